#include "screen_capture.h"

#include "failure.h"

Image captureScreen(const RECT& area) {
  Image image;
  image.width = area.right - area.left;
  image.height = area.bottom - area.top;
  if (image.width <= 0 || image.height <= 0) throw Failure(L"nothing to capture: empty rectangle");

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BOOL copied = BitBlt(memory, 0, 0, image.width, image.height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();

  if (copied) {
    const auto* bgrx = static_cast<const std::uint8_t*>(bits);
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    for (size_t i = 0, n = static_cast<size_t>(image.width) * image.height; i < n; ++i) {
      image.rgb[3 * i] = bgrx[4 * i + 2];
      image.rgb[3 * i + 1] = bgrx[4 * i + 1];
      image.rgb[3 * i + 2] = bgrx[4 * i];
    }
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied) throw Failure(L"BitBlt from the screen failed");
  return image;
}
