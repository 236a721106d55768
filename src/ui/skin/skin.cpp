#include "ui/skin/skin.h"

#include "app/app_error.h"
#include "ui/skin/skin_fit.h"
#include "ui/stored_picture.h"

namespace {

std::uint32_t le32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

Skin::Picture Skin::toBitmap(const SkinBitmap& picture) {
  // The stored pictures are palette BMPs; one conversion to 32 bits now spares
  // every later blit the palette lookup and lets AlphaBlend take them.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Picture result{GdiObject<HBITMAP>(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)),
                 nullptr, picture.width, picture.height};
  if (!result.bitmap.get()) throw AppError(L"Not enough memory for the skin's pictures");
  result.pixels = static_cast<const std::uint32_t*>(bits);

  // The reader has checked that the header and the rows it declares lie in the file.
  const std::uint8_t* file = picture.file.data();
  const auto* fileInfo = reinterpret_cast<const BITMAPINFO*>(file + 14);
  const HDC screen = GetDC(nullptr);
  SetDIBits(screen, result.bitmap.get(), 0, picture.height, file + le32(file + 10), fileInfo,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return result;
}

Skin::Skin(const StoredSkin& stored) : description_(parseSkinDescription(stored.text)) {
  std::vector<PixelSize> sizes;
  for (const SkinBitmap& picture : stored.pictures) sizes.push_back({picture.width, picture.height});
  checkSkinFitsPictures(description_, {stored.frame.width, stored.frame.height}, sizes);

  pictures_.push_back(toBitmap(stored.frame));
  for (const SkinBitmap& picture : stored.pictures) pictures_.push_back(toBitmap(picture));
}

SIZE Skin::pictureSize(int picture) const {
  const Picture& found = pictureAt(picture);
  return {found.width, found.height};
}

COLORREF Skin::pixel(const PicturePart& part, int x, int y) const {
  const Picture& picture = pictureAt(part.picture);
  const std::uint32_t rgb = picture.pixels[(part.rect.top + y) * picture.width + part.rect.left + x];
  return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

std::unique_ptr<const Skin> loadStoredSkin() {
  return std::make_unique<const Skin>(readStoredSkin(storedPicture(L"SKIN")));
}
