#include <string>

#include "commands.h"
#include "failure.h"
#include "input.h"
#include "window_query.h"

namespace {

// A point given in the window's client coordinates, on the screen.
POINT screenPoint(const Args& args) {
  HWND hwnd = args.hwnd();
  if (!IsWindow(hwnd)) throw Failure(L"no window " + hwndText(hwnd));
  RECT client = clientRectOnScreen(hwnd);
  return {client.left + static_cast<LONG>(args.numberAt(0)), client.top + static_cast<LONG>(args.numberAt(1))};
}

}  // namespace

int click(const Args& args, Output&) {
  std::vector<DWORD> buttons = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
  if (args.has(L"double")) buttons.insert(buttons.end(), {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  mouseAt(screenPoint(args), buttons);
  return 0;
}

int press(const Args& args, Output&) {
  mouseAt(screenPoint(args), {MOUSEEVENTF_LEFTDOWN});
  return 0;
}

int release(const Args& args, Output&) {
  mouseAt(screenPoint(args), {MOUSEEVENTF_LEFTUP});
  return 0;
}

int keys(const Args& args, Output&) {
  if (args.positional().empty()) throw Failure(L"no keys given", 2);
  for (const std::wstring& word : args.positional()) typeKeys(word);
  return 0;
}
