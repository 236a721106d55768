// Commands for the skinned frame: the mouse at points of the whole window (the
// frame lies outside the client area), waiting for the window's rectangle, its
// show state, the colours it shows, and a damaged copy of a program's resource.
#include <cwchar>
#include <string>

#include "commands.h"
#include "failure.h"
#include "input.h"
#include "screen_capture.h"
#include "wait.h"
#include "window_query.h"

namespace {

HWND existingWindow(const Args& args) {
  HWND hwnd = args.hwnd();
  if (!IsWindow(hwnd)) throw Failure(L"no window " + hwndText(hwnd));
  return hwnd;
}

RECT windowRectOf(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return rect;
}

// A point given relative to the window's top-left corner, on the screen.
POINT windowPoint(HWND hwnd, long long x, long long y) {
  const RECT window = windowRectOf(hwnd);
  return {window.left + static_cast<LONG>(x), window.top + static_cast<LONG>(y)};
}

std::wstring colourText(unsigned long rgb) {
  wchar_t text[16];
  swprintf(text, 16, L"0x%06lx", rgb);
  return text;
}

std::wstring rectText(const RECT& rect) {
  return std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
         std::to_wstring(rect.right - rect.left) + L" " + std::to_wstring(rect.bottom - rect.top);
}

}  // namespace

int frameClick(const Args& args, Output&) {
  HWND hwnd = existingWindow(args);
  const bool right = args.has(L"right");
  const DWORD down = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  const DWORD up = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  const std::vector<DWORD> buttons =
      args.has(L"double") ? std::vector<DWORD>{down, up, down, up} : std::vector<DWORD>{down, up};
  mouseAt(windowPoint(hwnd, args.numberAt(0), args.numberAt(1)), buttons);
  return 0;
}

int frameDrag(const Args& args, Output&) {
  // Both points are taken relative to where the window is before the drag, and the
  // mouse goes between them in steps, as a hand moves it.
  HWND hwnd = existingWindow(args);
  const POINT from = windowPoint(hwnd, args.numberAt(0), args.numberAt(1));
  const POINT to = windowPoint(hwnd, args.numberAt(2), args.numberAt(3));
  constexpr int kSteps = 8;
  mouseAt(from, {MOUSEEVENTF_LEFTDOWN});
  for (int step = 1; step <= kSteps; ++step) {
    mouseAt({from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps}, {});
  }
  mouseAt(to, {MOUSEEVENTF_LEFTUP});
  return 0;
}

int frameHover(const Args& args, Output&) {
  HWND hwnd = existingWindow(args);
  mouseAt(windowPoint(hwnd, args.numberAt(0), args.numberAt(1)), {});
  return 0;
}

int waitRect(const Args& args, Output& out) {
  HWND hwnd = existingWindow(args);
  const auto matches = [&](const RECT& rect) {
    return args.number(L"x", rect.left) == rect.left && args.number(L"y", rect.top) == rect.top &&
           args.number(L"width", rect.right - rect.left) == rect.right - rect.left &&
           args.number(L"height", rect.bottom - rect.top) == rect.bottom - rect.top;
  };
  RECT rect{};
  if (!waitUntil(args.timeoutMs(), [&] { return matches(rect = windowRectOf(hwnd)); }))
    throw Failure(L"the window is at " + rectText(rect) + L" after " + std::to_wstring(args.timeoutMs()) + L" ms");
  out.line(rectText(rect));
  return 0;
}

int screenSize(const Args&, Output& out) {
  out.line(std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L" " + std::to_wstring(GetSystemMetrics(SM_CYSCREEN)));
  return 0;
}

int windowState(const Args& args, Output& out) {
  HWND hwnd = existingWindow(args);
  const auto state = [hwnd] { return IsIconic(hwnd) ? L"minimized" : IsZoomed(hwnd) ? L"maximized" : L"normal"; };
  if (!args.positional().empty()) {
    const std::wstring wanted = args.at(0);
    if (!waitUntil(args.timeoutMs(), [&] { return state() == wanted; }))
      throw Failure(L"the window is " + std::wstring(state()) + L", not " + wanted + L", after " +
                    std::to_wstring(args.timeoutMs()) + L" ms");
  }
  out.line(state());
  return 0;
}

int waitColour(const Args& args, Output& out) {
  // Counts the pixels of exactly one colour in a rectangle of the window as the
  // screen shows it, until the count lies within --min and --max.
  HWND hwnd = existingWindow(args);
  const long long x = args.numberAt(0), y = args.numberAt(1), width = args.numberAt(2), height = args.numberAt(3);
  const auto rgb = static_cast<unsigned long>(args.numberAt(4));
  const long long atLeast = args.number(L"min", 0), atMost = args.number(L"max", width * height);
  long long count = 0;
  const bool within = waitUntil(args.timeoutMs(), [&] {
    const POINT origin = windowPoint(hwnd, x, y);
    const Image image = captureScreen({origin.x, origin.y, origin.x + static_cast<LONG>(width),
                                       origin.y + static_cast<LONG>(height)});
    count = 0;
    for (size_t pixel = 0; pixel < image.rgb.size() / 3; ++pixel) {
      const unsigned long value = image.rgb[3 * pixel] << 16 | image.rgb[3 * pixel + 1] << 8 | image.rgb[3 * pixel + 2];
      if (value == rgb) ++count;
    }
    return count >= atLeast && count <= atMost;
  });
  if (!within)
    throw Failure(std::to_wstring(count) + L" pixels of colour " + colourText(rgb) + L", not between " +
                  std::to_wstring(atLeast) + L" and " + std::to_wstring(atMost) + L", after " +
                  std::to_wstring(args.timeoutMs()) + L" ms");
  out.line(std::to_wstring(count));
  return 0;
}

int replaceResource(const Args& args, Output&) {
  // Puts FILE's bytes in place of the exe's RCDATA resource NAME.
  const std::wstring exe = args.at(0), name = args.at(1), file = args.at(2);
  HANDLE source = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (source == INVALID_HANDLE_VALUE) throw Failure(L"cannot open " + file);
  std::string bytes(GetFileSize(source, nullptr), '\0');
  DWORD read = 0;
  const BOOL readAll = ReadFile(source, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(source);
  if (!readAll || read != bytes.size()) throw Failure(L"cannot read " + file);

  HANDLE update = BeginUpdateResourceW(exe.c_str(), FALSE);
  if (!update) throw Failure(L"cannot open the resources of " + exe);
  const BOOL replaced = UpdateResourceW(update, RT_RCDATA, name.c_str(), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                        bytes.data(), static_cast<DWORD>(bytes.size()));
  if (!EndUpdateResourceW(update, !replaced) || !replaced)
    throw Failure(L"cannot replace resource " + name + L" of " + exe + L": error " + std::to_wstring(GetLastError()));
  return 0;
}
