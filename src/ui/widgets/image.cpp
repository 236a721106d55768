#include "ui/widgets/image.h"

void Image::paint(HDC dc, const Theme&) const {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture_.width;
  info.bmiHeader.biHeight = -picture_.height;  // rows top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const RECT& box = bounds();
  SetStretchBltMode(dc, HALFTONE);
  StretchDIBits(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, 0,
                picture_.width, picture_.height, picture_.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}
