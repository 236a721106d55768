#include "ui/jpeg_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>

#include "app/app_error.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readPicture(const std::string& name) {
  std::ifstream file(std::string(QUORLEN_PICTURES_DIR) + "/" + name, std::ios::binary);
  Bytes bytes{std::istreambuf_iterator<char>(file), {}};
  EXPECT_FALSE(bytes.empty()) << name << " is missing";
  return bytes;
}

// Where the first segment with one of the markers starts, found by walking the
// file's segments rather than through libjpeg.
std::size_t segmentAt(const Bytes& jpeg, std::initializer_list<int> markers) {
  std::size_t at = 2;
  while (at + 4 < jpeg.size() && jpeg[at] == 0xFF) {
    if (std::ranges::find(markers, jpeg[at + 1]) != markers.end()) return at;
    at += 2 + (jpeg[at + 2] << 8 | jpeg[at + 3]);
  }
  ADD_FAILURE() << "no such segment";
  return 0;
}

// The start-of-frame marker (0xC0 baseline, 0xC2 progressive) and the number of
// colour components.
std::pair<int, int> frameOf(const Bytes& jpeg) {
  const std::size_t at = segmentAt(jpeg, {0xC0, 0xC1, 0xC2});
  return {jpeg[at + 1], jpeg[at + 9]};
}

// Where the entropy-coded data of the first scan begins.
std::size_t firstScanData(const Bytes& jpeg) {
  const std::size_t at = segmentAt(jpeg, {0xDA});
  return at + 2 + (jpeg[at + 2] << 8 | jpeg[at + 3]);
}

struct Rgb {
  int red, green, blue;
};

// A 32 x 16 picture, left half one colour and right half another, so that decoded
// pixels can be checked against known values. A gray picture takes the red values.
Bytes encodeHalves(int components, bool progressive, Rgb left, Rgb right) {
  constexpr int kWidth = 32;
  constexpr int kHeight = 16;
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = kWidth;
  cinfo.image_height = kHeight;
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  Bytes row;
  for (int x = 0; x < kWidth; ++x) {
    const Rgb& colour = x < kWidth / 2 ? left : right;
    const int samples[] = {colour.red, colour.green, colour.blue};
    row.insert(row.end(), samples, samples + components);
  }
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes jpeg(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return jpeg;
}

// B, G, R, alpha of one pixel.
std::vector<int> pixelAt(const Picture& picture, int x, int y) {
  const auto at = picture.pixels.begin() + (y * picture.width + x) * 4;
  return {at, at + 4};
}

Picture regionOf(const Picture& picture, PictureCrop crop) {
  Picture region{crop.width, crop.height, {}};
  for (int y = crop.top; y < crop.top + crop.height; ++y) {
    const auto row = picture.pixels.begin() + (y * picture.width + crop.left) * 4;
    region.pixels.insert(region.pixels.end(), row, row + crop.width * 4);
  }
  return region;
}

struct Asset {
  const char* name;
  int width;
  int height;
  int frameMarker;
};

TEST(JpegPictureTest, DecodesEachPictureOfTheWindowAtItsSizeAndEncoding) {
  const Asset assets[] = {
      {"background.jpg", 1920, 1200, 0xC0},
      {"code.jpg", 85, 85, 0xC2},
      {"banner.jpg", 113, 30, 0xC2},
  };
  for (const Asset& asset : assets) {
    SCOPED_TRACE(asset.name);
    const Bytes jpeg = readPicture(asset.name);
    EXPECT_EQ(frameOf(jpeg), std::make_pair(asset.frameMarker, 3));

    const Picture picture = decodeJpeg(jpeg);
    EXPECT_EQ(picture.width, asset.width);
    EXPECT_EQ(picture.height, asset.height);
    ASSERT_EQ(picture.pixels.size(), std::size_t(asset.width) * asset.height * 4);
    for (std::size_t alpha = 3; alpha < picture.pixels.size(); alpha += 4) {
      ASSERT_EQ(picture.pixels[alpha], 0xFF) << "at byte " << alpha;
    }
  }
}

TEST(JpegPictureTest, GivesPixelsInBlueGreenRedOpaqueOrder) {
  struct Case {
    const char* name;
    int components;
    bool progressive;
    Rgb left, right;
  };
  const Case cases[] = {
      {"baseline colour", 3, false, {200, 40, 30}, {30, 60, 200}},
      {"progressive colour", 3, true, {200, 40, 30}, {30, 60, 200}},
      {"grayscale", 1, false, {50, 50, 50}, {210, 210, 210}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Picture picture = decodeJpeg(encodeHalves(c.components, c.progressive, c.left, c.right));
    ASSERT_EQ(picture.width, 32);
    ASSERT_EQ(picture.height, 16);
    const std::pair<int, Rgb> samples[] = {{3, c.left}, {28, c.right}};
    for (const auto& [x, colour] : samples) {
      const std::vector<int> expected = {colour.blue, colour.green, colour.red, 0xFF};
      const std::vector<int> actual = pixelAt(picture, x, 8);
      for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 6) << "x " << x << " byte " << i;
      }
    }
  }
}

TEST(JpegPictureTest, CropEqualsTheSameRegionOfTheWholePicture) {
  struct Case {
    const char* name;
    PictureCrop crop;
  };
  const Case cases[] = {
      {"background.jpg", {8, 56, 422, 216}},  // the part the window shows
      {"background.jpg", {1901, 1187, 19, 13}},
      {"background.jpg", {0, 0, 1920, 1200}},
      {"code.jpg", {2, 2, 82, 82}},
      {"code.jpg", {0, 84, 85, 1}},
      {"banner.jpg", {2, 0, 110, 29}},
      {"banner.jpg", {16, 0, 20, 30}},  // starts on a block boundary
      {"banner.jpg", {37, 11, 5, 7}},
      {"banner.jpg", {0, 0, 1, 17}},
      {"banner.jpg", {111, 15, 2, 15}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " crop at " + std::to_string(c.crop.left) + "," +
                 std::to_string(c.crop.top));
    const Bytes jpeg = readPicture(c.name);
    const Picture expected = regionOf(decodeJpeg(jpeg), c.crop);
    const Picture cropped = decodeJpeg(jpeg, c.crop);
    EXPECT_EQ(cropped.width, c.crop.width);
    EXPECT_EQ(cropped.height, c.crop.height);
    ASSERT_EQ(cropped.pixels.size(), expected.pixels.size());
    const auto difference =
        std::mismatch(cropped.pixels.begin(), cropped.pixels.end(), expected.pixels.begin());
    EXPECT_TRUE(difference.first == cropped.pixels.end())
        << "first difference at byte " << (difference.first - cropped.pixels.begin());
  }
}

TEST(JpegPictureTest, RejectsACropThatIsEmptyOrReachesOutsideThePicture) {
  const Bytes banner = readPicture("banner.jpg");  // 113 x 30
  const PictureCrop crops[] = {
      {-1, 0, 10, 10}, {0, -1, 10, 10}, {0, 0, 0, 10},  {0, 0, 10, 0},
      {104, 0, 10, 10}, {0, 21, 10, 10}, {0, 0, 114, 30}, {INT_MAX, 0, 1, 1},
  };
  for (const PictureCrop& crop : crops) {
    SCOPED_TRACE(std::to_string(crop.left) + "," + std::to_string(crop.top) + " " +
                 std::to_string(crop.width) + "x" + std::to_string(crop.height));
    EXPECT_THROW(decodeJpeg(banner, crop), AppError);
  }
}

TEST(JpegPictureTest, RejectsDataThatIsNotAnIntactPicture) {
  const Bytes baseline = readPicture("background.jpg");
  const Bytes progressive = readPicture("banner.jpg");
  const auto cut = [](const Bytes& jpeg, std::size_t size) {
    return Bytes(jpeg.begin(), jpeg.begin() + size);
  };
  // Inverting a run of entropy-coded bytes leaves markers and impossible codes in
  // mid-scan: damage libjpeg can see, unlike one flipped bit that may still decode
  // to plausible pixels.
  const auto inverted = [](Bytes jpeg, std::size_t from) {
    for (std::size_t at = from; at < from + 64; ++at) jpeg[at] ^= 0xFF;
    return jpeg;
  };
  // The scan is whole, but the file goes on with a second start instead of its end.
  const auto restartedAfterTheScan = [&cut](const Bytes& jpeg) {
    Bytes restarted = cut(jpeg, jpeg.size() - 2);
    restarted.insert(restarted.end(), {0xFF, 0xD8});
    return restarted;
  };
  const std::string garbage = "no picture in here, just words";
  struct Case {
    const char* name;
    Bytes jpeg;
  };
  const Case cases[] = {
      {"empty", {}},
      {"garbage", Bytes(garbage.begin(), garbage.end())},
      {"start marker only", cut(baseline, 2)},
      {"cut in the header", cut(baseline, firstScanData(baseline) / 2)},
      {"baseline cut in the scan", cut(baseline, baseline.size() / 2)},
      {"baseline cut before the end marker", cut(baseline, baseline.size() - 2)},
      {"progressive cut in the first scan", cut(progressive, firstScanData(progressive) + 8)},
      {"progressive cut before the end marker", cut(progressive, progressive.size() - 2)},
      {"baseline restarted after its scan", restartedAfterTheScan(baseline)},
      {"baseline with inverted scan bytes", inverted(baseline, baseline.size() / 2)},
      {"progressive with inverted scan bytes",
       inverted(progressive, firstScanData(progressive) + 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THROW(decodeJpeg(c.jpeg), AppError);
  }
}

TEST(JpegPictureTest, RejectsACropOfDamagedRows) {
  const Bytes baseline = readPicture("background.jpg");
  const Bytes firstHalf(baseline.begin(), baseline.begin() + baseline.size() / 2);
  EXPECT_THROW(decodeJpeg(firstHalf, {8, 1100, 422, 100}), AppError);
}

TEST(JpegPictureTest, NamesLibjpegsReasonInTheError) {
  const Bytes baseline = readPicture("background.jpg");
  try {
    decodeJpeg(Bytes(baseline.begin(), baseline.begin() + baseline.size() / 2));
    FAIL() << "a cut picture was decoded";
  } catch (const AppError& error) {
    EXPECT_EQ(error.message(), L"The picture cannot be read: Premature end of JPEG file");
  }
}

}  // namespace
