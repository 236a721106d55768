#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/skin/skin_ini.h"
#include "ui/skin/stored_skin.h"
#include "ui/widgets/gdi.h"

// The stored skin made ready to draw with: its description, and its pictures as
// 32-bit bitmaps that GDI can stretch and blend.
class Skin {
 public:
  // Throws AppError "The stored skin is damaged: ..." when the text cannot be read
  // or places a part outside its picture.
  explicit Skin(const StoredSkin& stored);

  const SkinDescription& description() const { return description_; }

  // The bitmap of kFramePicture or of a further picture by number.
  HBITMAP bitmap(int picture) const { return pictureAt(picture).bitmap.get(); }
  SIZE pictureSize(int picture) const;
  // One pixel of a part, counted from the part's top-left corner.
  COLORREF pixel(const PicturePart& part, int x, int y) const;

 private:
  struct Picture {
    GdiObject<HBITMAP> bitmap;
    const std::uint32_t* pixels = nullptr;  // 0x00RRGGBB, rows top-down
    int width = 0;
    int height = 0;
  };
  static Picture toBitmap(const SkinBitmap& picture);
  const Picture& pictureAt(int picture) const { return pictures_[picture + 1]; }

  SkinDescription description_;
  std::vector<Picture> pictures_;  // the frame picture first, then the further ones
};

// The skin carried in the program's resources, inflated and read. Throws AppError
// when it is damaged.
std::unique_ptr<const Skin> loadStoredSkin();
