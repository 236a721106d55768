#include <cstdlib>
#include <string>

#include "commands.h"
#include "failure.h"
#include "png.h"
#include "screen_capture.h"

int screenshot(const Args& args, Output&) {
  RECT area{};
  if (args.has(L"hwnd")) {
    HWND hwnd = args.hwnd();
    if (!IsWindow(hwnd)) throw Failure(L"no window " + hwndText(hwnd));
    GetWindowRect(hwnd, &area);
  } else {
    area.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    area.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    area.right = area.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    area.bottom = area.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  }
  writePng(args.at(0), captureScreen(area));
  return 0;
}

int compareImages(const Args& args, Output& out) {
  // A pixel differs when any channel is off by more than the tolerance; the images
  // match when no more than --max-pixels pixels differ.
  Image a = readPng(args.at(0)), b = readPng(args.at(1));
  if (a.width != b.width || a.height != b.height)
    throw Failure(L"sizes differ: " + std::to_wstring(a.width) + L"x" + std::to_wstring(a.height) + L" and " +
                  std::to_wstring(b.width) + L"x" + std::to_wstring(b.height));
  const long long tolerance = args.number(L"tolerance", 0), maxPixels = args.number(L"max-pixels", 0);
  long long differing = 0;
  for (size_t pixel = 0; pixel < a.rgb.size() / 3; ++pixel) {
    for (int c = 0; c < 3; ++c) {
      if (std::abs(int{a.rgb[3 * pixel + c]} - int{b.rgb[3 * pixel + c]}) > tolerance) {
        ++differing;
        break;
      }
    }
  }
  out.line(L"differing pixels: " + std::to_wstring(differing) + L" of " + std::to_wstring(a.rgb.size() / 3));
  if (differing > maxPixels)
    throw Failure(std::to_wstring(differing) + L" pixels differ by more than " + std::to_wstring(tolerance) +
                  L"; at most " + std::to_wstring(maxPixels) + L" may");
  return 0;
}
