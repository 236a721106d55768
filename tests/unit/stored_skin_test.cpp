#include "ui/skin/stored_skin.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string_view>

#include "app/app_error.h"
#include "skin_test_files.h"
#include "ui/skin/skin_ini.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void putU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The inflated container, piece by piece.
struct Content {
  Bytes bytes;
  Content& u32(std::uint32_t value) {
    bytes.resize(bytes.size() + 4);
    putU32(bytes, bytes.size() - 4, value);
    return *this;
  }
  Content& flag(std::uint8_t value) {
    bytes.push_back(value);
    return *this;
  }
  Content& add(const Bytes& piece) {
    bytes.insert(bytes.end(), piece.begin(), piece.end());
    return *this;
  }
  Content& text(std::string_view piece) {
    bytes.insert(bytes.end(), piece.begin(), piece.end());
    return *this;
  }
};

// A whole 8-bit BMP file with a two-colour palette.
Bytes bmp(int width, int height) {
  const std::uint32_t stride = (width + 3) / 4 * 4;
  const std::uint32_t offset = 14 + 40 + 2 * 4;
  Bytes file(offset + stride * height, 0);
  file[0] = 'B';
  file[1] = 'M';
  putU32(file, 2, static_cast<std::uint32_t>(file.size()));
  putU32(file, 10, offset);
  putU32(file, 14, 40);
  putU32(file, 18, width);
  putU32(file, 22, height);
  file[26] = 1;  // planes
  file[28] = 8;  // bits per pixel
  putU32(file, 46, 2);
  file[offset - 4 + 1] = 0xFF;  // the second colour is green
  return file;
}

Bytes patched(Bytes file, std::size_t at, std::uint32_t value) {
  putU32(file, at, value);
  return file;
}

Bytes notBmp(Bytes file) {
  file[1] = 'X';
  return file;
}

Bytes compressed(const Bytes& content) {
  uLongf size = compressBound(content.size());
  Bytes out(size);
  EXPECT_EQ(compress(out.data(), &size, content.data(), content.size()), Z_OK);
  out.resize(size);
  return out;
}

constexpr std::string_view kText = "[skin]\nname = Small\n";

Content smallSkin() {
  return Content()
      .u32(3)
      .flag(0)
      .add(bmp(4, 3))
      .flag(1)
      .flag(1)
      .u32(2)
      .add(bmp(2, 2))
      .add(bmp(5, 1))
      .text(kText);
}

const Bytes kFrame = bmp(4, 3);

// A container with nothing but this frame picture.
Content withFrame(const Bytes& frame) {
  return Content().u32(3).flag(0).add(frame).flag(1).flag(1).u32(0);
}

void expectDamaged(const Bytes& stored, std::wstring_view complaint = L"") {
  try {
    readStoredSkin(stored);
    ADD_FAILURE() << "a damaged skin was read";
  } catch (const AppError& error) {
    EXPECT_TRUE(error.message().starts_with(L"The stored skin is damaged: "));
    EXPECT_NE(error.message().find(complaint), std::wstring::npos);
  }
}

TEST(StoredSkin, ReadsVersionPicturesAndText) {
  const StoredSkin skin = readStoredSkin(compressed(smallSkin().bytes));

  EXPECT_EQ(skin.version, 3);
  EXPECT_EQ(skin.frame.file, bmp(4, 3));
  EXPECT_EQ(skin.frame.width, 4);
  EXPECT_EQ(skin.frame.height, 3);
  ASSERT_EQ(skin.pictures.size(), 2u);
  EXPECT_EQ(skin.pictures[1].file, bmp(5, 1));
  EXPECT_EQ(skin.pictures[1].width, 5);
  EXPECT_EQ(skin.text, kText);
}

TEST(StoredSkin, SkipsAnInactiveFrameAndAMask) {
  const Content content = Content()
                              .u32(3)
                              .flag(0)
                              .add(bmp(4, 3))
                              .flag(0)
                              .add(bmp(4, 3))
                              .flag(0)
                              .add(bmp(4, 3))
                              .u32(1)
                              .add(bmp(2, 2))
                              .text(kText);

  const StoredSkin skin = readStoredSkin(compressed(content.bytes));

  ASSERT_EQ(skin.pictures.size(), 1u);
  EXPECT_EQ(skin.pictures[0].width, 2);
  EXPECT_EQ(skin.text, kText);
}

TEST(StoredSkin, ReadsATopDownPictureWithItsHeight) {
  const Content content = withFrame(patched(kFrame, 22, static_cast<std::uint32_t>(-3)));

  EXPECT_EQ(readStoredSkin(compressed(content.bytes)).frame.height, 3);
}

struct DamagedContent {
  const char* name;
  Content content;
  std::wstring complaint;
};

void PrintTo(const DamagedContent& c, std::ostream* os) { *os << c.name; }

class StoredSkinDamage : public testing::TestWithParam<DamagedContent> {};

TEST_P(StoredSkinDamage, IsReported) {
  expectDamaged(compressed(GetParam().content.bytes), GetParam().complaint);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredSkinDamage,
    testing::Values(
        DamagedContent{"VersionFour", Content().u32(4).flag(0).add(kFrame).flag(1).flag(1).u32(0),
                       L"version 4"},
        DamagedContent{"NoFramePicture", Content().u32(3).flag(1).flag(1).flag(1).u32(0),
                       L"no frame picture"},
        DamagedContent{"FlagNeitherZeroNorOne",
                       Content().u32(3).flag(0).add(kFrame).flag(2).flag(1).u32(0),
                       L"the flag of the inactive frame picture is neither 0 nor 1"},
        DamagedContent{"BitmapLongerThanTheRest", withFrame(patched(kFrame, 2, 10'000)),
                       L"the frame picture runs past the end"},
        DamagedContent{"NotABmp", withFrame(notBmp(kFrame)), L"not a BMP"},
        DamagedContent{"RowsPastTheFile", withFrame(patched(kFrame, 22, 4)), L"bad BMP header"},
        DamagedContent{"CompressedPixels", withFrame(patched(kFrame, 30, 1)), L"bad BMP header"},
        DamagedContent{"MorePicturesCountedThanStored",
                       Content().u32(3).flag(0).add(kFrame).flag(1).flag(1).u32(2).add(kFrame),
                       L"picture 1 runs past the end"}),
    [](const auto& info) { return info.param.name; });

TEST(StoredSkin, EveryCutBeforeTheTextIsDamage) {
  const Bytes whole = smallSkin().bytes;
  for (std::size_t length = 0; length < whole.size() - kText.size(); ++length) {
    SCOPED_TRACE(length);
    expectDamaged(compressed(Bytes(whole.begin(), whole.begin() + length)));
  }
}

TEST(StoredSkin, DamagedZlibStreamIsReported) {
  const Bytes stored = realStoredSkin();
  for (const std::size_t length :
       {std::size_t{0}, std::size_t{1}, std::size_t{2}, stored.size() / 2, stored.size() - 1}) {
    SCOPED_TRACE(length);
    expectDamaged(Bytes(stored.begin(), stored.begin() + length));
  }

  Bytes corrupt = stored;
  corrupt[corrupt.size() / 2] ^= 0x55;
  expectDamaged(corrupt);

  Bytes trailing = stored;
  trailing.push_back(0);
  expectDamaged(trailing);
}

TEST(StoredSkin, RealSkinHoldsItsPicturesAndText) {
  const StoredSkin skin = readStoredSkin(realStoredSkin());

  EXPECT_EQ(skin.version, 3);
  EXPECT_EQ(skin.text, realSkinText());
  struct Expected {
    const SkinBitmap& picture;
    int width;
    int height;
  };
  ASSERT_EQ(skin.pictures.size(), 5u);
  for (const auto& [picture, width, height] :
       {Expected{skin.frame, 116, 87}, Expected{skin.pictures[0], 152, 47},
        Expected{skin.pictures[1], 64, 61}, Expected{skin.pictures[2], 62, 57},
        Expected{skin.pictures[3], 516, 290}, Expected{skin.pictures[4], 36, 17}}) {
    EXPECT_EQ(picture.width, width);
    EXPECT_EQ(picture.height, height);
    EXPECT_EQ(picture.file[28], 8)
        << "bits per pixel of the " << width << " x " << height << " picture";
  }
}

// Drawing reads every part from the picture it names: none may lie outside it.
TEST(StoredSkin, EveryPicturePartLiesInsideItsPicture) {
  const StoredSkin stored = readStoredSkin(realStoredSkin());
  const SkinDescription skin = parseSkinDescription(stored.text);

  std::vector<std::pair<std::string, PicturePart>> parts = {
      {"active caption", skin.frame.activeCaption},
      {"menu window", skin.menu.window},
      {"menu item", skin.menu.item},
      {"highlighted item", skin.menu.highlightedItem},
      {"menu separator", skin.menu.separator},
      {"tooltip", skin.tooltip.window}};
  for (const CaptionButtonParts& button : skin.frame.buttons) {
    parts.emplace_back("caption button", button.normal);
    parts.emplace_back("caption button", button.active);
    if (button.disabled) parts.emplace_back("caption button", *button.disabled);
  }
  for (const auto& [name, element] : skin.elements) {
    for (const auto& [partName, part] : element.parts)
      parts.emplace_back(name + "." + partName, part);
  }

  for (const auto& [name, part] : parts) {
    SCOPED_TRACE(name);
    ASSERT_LT(part.picture, static_cast<int>(stored.pictures.size()));
    const SkinBitmap& picture =
        part.picture == kFramePicture ? stored.frame : stored.pictures[part.picture];
    EXPECT_LE(part.rect.right, picture.width);
    EXPECT_LE(part.rect.bottom, picture.height);
  }
}

}  // namespace
