// Commands that look at what a window's client area holds: which window a click at
// a point would reach, its picture, and which top-level windows are on the screen;
// and one that puts the mouse where no window is yet.
#include <string>

#include "commands.h"
#include "failure.h"
#include "input.h"
#include "png.h"
#include "screen_capture.h"
#include "window_query.h"

namespace {

std::wstring describeWindow(HWND hwnd) {
  return L"class=" + quoted(className(hwnd)) + L" text=" + quoted(controlText(hwnd));
}

}  // namespace

int hitWindow(const Args& args, Output& out) {
  // WindowFromPoint answers as a mouse click is routed: the topmost visible window
  // at the pixel, the deepest child of it, skipping what hit-tests as transparent.
  HWND hwnd = args.hwnd();
  if (!IsWindow(hwnd)) throw Failure(L"no window " + hwndText(hwnd));
  const RECT client = clientRectOnScreen(hwnd);
  const POINT point{client.left + static_cast<LONG>(args.numberAt(0)), client.top + static_cast<LONG>(args.numberAt(1))};
  HWND hit = WindowFromPoint(point);
  if (hit != hwnd && !IsChild(hwnd, hit))
    throw Failure(L"the point belongs to another window: " + hwndText(hit) + L" " + describeWindow(hit));
  out.line(describeWindow(hit));
  return 0;
}

int clientScreenshot(const Args& args, Output&) {
  HWND hwnd = args.hwnd();
  if (!IsWindow(hwnd)) throw Failure(L"no window " + hwndText(hwnd));
  writePng(args.at(0), captureScreen(clientRectOnScreen(hwnd)));
  return 0;
}

int moveMouse(const Args& args, Output&) {
  // A window that opens under the mouse shows its look under the mouse at once, and
  // loses it only when the system notices the mouse leave: move it away beforehand.
  mouseAt({static_cast<LONG>(args.numberAt(0)), static_cast<LONG>(args.numberAt(1))}, {});
  return 0;
}

int listTopLevelWindows(const Args&, Output& out) {
  for (HWND hwnd : findTopLevelWindows({})) {
    out.line(L"hwnd=" + hwndText(hwnd) + L" exe=" + quoted(processExeName(processIdOf(hwnd))) + L" class=" +
             quoted(className(hwnd)) + L" title=" + quoted(captionText(hwnd)));
  }
  return 0;
}
