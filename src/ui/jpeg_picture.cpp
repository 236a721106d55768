#include "ui/jpeg_picture.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE and size_t without declaring them
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include <jpeglib.h>

#include "app/app_error.h"

namespace {

constexpr std::size_t kBytesPerPixel = 4;

// libjpeg reports a failure by calling error_exit, which must not return. We jump
// back to the start of the current step instead of throwing: a C++ exception must
// not unwind through libjpeg's C frames.
struct JpegErrors {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is one to us
  std::jmp_buf resume;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void stopDecoding(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  errors->manager.format_message(cinfo, errors->message);
  std::longjmp(errors->resume, 1);
}

// For damaged data libjpeg only warns and goes on with made-up pixels; a picture
// with a smeared half is as unreadable to us as one that stops.
void stopOnWarning(j_common_ptr cinfo, int level) {
  if (level < 0) stopDecoding(cinfo);
}

class Decompressor {
 public:
  Decompressor() {
    cinfo_.err = jpeg_std_error(&errors_.manager);
    errors_.manager.error_exit = stopDecoding;
    errors_.manager.emit_message = stopOnWarning;
  }
  // Safe even when creation never happened or failed: cinfo_ starts zeroed.
  ~Decompressor() { jpeg_destroy_decompress(&cinfo_); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  // Runs libjpeg calls; throws when libjpeg gives up on the data. A step must own
  // nothing that needs destroying, since a failure jumps straight past it.
  template <typename Step>
  void run(Step step) {
    if (!runGuarded(step)) {
      const std::string_view reason = errors_.message;
      throw AppError(L"The picture cannot be read: " +
                     std::wstring(reason.begin(), reason.end()));
    }
  }

 private:
  template <typename Step>
  bool runGuarded(Step& step) {
    if (setjmp(errors_.resume) != 0) return false;
    step(cinfo_);
    return true;
  }

  JpegErrors errors_{};
  jpeg_decompress_struct cinfo_{};
};

bool liesWithin(const PictureCrop& crop, int width, int height) {
  return crop.left >= 0 && crop.top >= 0 && crop.width > 0 && crop.height > 0 &&
         crop.width <= width - crop.left && crop.height <= height - crop.top;
}

Picture decode(std::span<const std::uint8_t> jpeg, std::optional<PictureCrop> crop) {
  Decompressor decompressor;
  int width = 0;
  int height = 0;
  decompressor.run([&](jpeg_decompress_struct& cinfo) {
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRA;  // BGRA, not BGRX: only it sets the fourth byte
    jpeg_start_decompress(&cinfo);
    width = static_cast<int>(cinfo.output_width);
    height = static_cast<int>(cinfo.output_height);
  });

  const PictureCrop region = crop.value_or(PictureCrop{0, 0, width, height});
  if (!liesWithin(region, width, height)) {
    throw AppError(L"The picture cannot be cropped: " + std::to_wstring(region.width) + L" x " +
                   std::to_wstring(region.height) + L" at (" + std::to_wstring(region.left) +
                   L", " + std::to_wstring(region.top) + L") does not lie within its " +
                   std::to_wstring(width) + L" x " + std::to_wstring(height) + L" pixels");
  }

  const std::size_t stride = static_cast<std::size_t>(region.width) * kBytesPerPixel;
  Picture picture{region.width, region.height,
                  std::vector<std::uint8_t>(stride * static_cast<std::size_t>(region.height))};
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * kBytesPerPixel);
  decompressor.run([&](jpeg_decompress_struct& cinfo) {
    // Colour is smoothed across neighbouring pixels, but libjpeg smooths the edges of
    // its crop against nothing, and a crop of a few columns not at all. One more
    // block column each side, where the picture has it, keeps the crop's pixels those
    // of the whole picture. libjpeg then moves the first column back to a block
    // boundary; the row starts there.
    const int margin = cinfo.max_h_samp_factor * DCTSIZE;
    const int right = std::min(region.left + region.width + margin, width);
    JDIMENSION firstColumn = static_cast<JDIMENSION>(std::max(region.left - margin, 0));
    JDIMENSION columns = static_cast<JDIMENSION>(right) - firstColumn;
    jpeg_crop_scanline(&cinfo, &firstColumn, &columns);
    jpeg_skip_scanlines(&cinfo, static_cast<JDIMENSION>(region.top));
    const std::size_t offset =
        (static_cast<std::size_t>(region.left) - firstColumn) * kBytesPerPixel;
    for (int y = 0; y < region.height; ++y) {
      JSAMPROW rows[] = {row.data()};
      jpeg_read_scanlines(&cinfo, rows, 1);
      std::memcpy(picture.pixels.data() + static_cast<std::size_t>(y) * stride,
                  row.data() + offset, stride);
    }
    // Reading on to the end marker catches damage after the last row; a crop that
    // stops higher up leaves the rest unread on purpose.
    if (cinfo.output_scanline == cinfo.output_height) jpeg_finish_decompress(&cinfo);
  });
  return picture;
}

}  // namespace

Picture decodeJpeg(std::span<const std::uint8_t> jpeg) { return decode(jpeg, std::nullopt); }

Picture decodeJpeg(std::span<const std::uint8_t> jpeg, PictureCrop crop) {
  return decode(jpeg, crop);
}
