#include <algorithm>
#include <string>
#include <vector>

#include "commands.h"
#include "failure.h"
#include "input.h"
#include "wait.h"
#include "window_query.h"

namespace {

// Hidden boxes count too: one that is being opened is already one too many.
std::vector<HWND> boxesCaptioned(const std::wstring& caption) {
  return findTopLevelWindows({caption, kDialogClass, false});
}

HWND captureOf(HWND hwnd) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) ? info.hwndCapture : nullptr;
}

}  // namespace

int printText(const Args& args, Output& out) {
  HWND hwnd = args.hwnd();
  if (!IsWindow(hwnd)) throw Failure(L"no window " + hwndText(hwnd));
  out.line(quoted(controlText(hwnd)));
  return 0;
}

int listBoxes(const Args& args, Output& out) {
  const std::wstring caption = args.text(L"caption");
  std::vector<HWND> boxes = boxesCaptioned(caption);
  if (args.has(L"count")) {
    const auto wanted = static_cast<size_t>(args.number(L"count", 0));
    if (!waitUntil(args.timeoutMs(), [&] { return (boxes = boxesCaptioned(caption)).size() == wanted; }))
      throw Failure(std::to_wstring(boxes.size()) + L" boxes captioned " + quoted(caption) + L" are open, not " +
                    std::to_wstring(wanted) + L", after " + std::to_wstring(args.timeoutMs()) + L" ms");
  }
  std::vector<std::wstring> texts;
  for (HWND box : boxes) texts.push_back(quoted(boxText(box)));
  std::sort(texts.begin(), texts.end());
  for (const std::wstring& text : texts) out.line(text);
  return 0;
}

int closeBox(const Args& args, Output&) {
  const std::wstring caption = args.text(L"caption"), text = args.text(L"text");
  HWND box = nullptr;
  if (!waitUntil(args.timeoutMs(), [&] {
        for (HWND candidate : boxesCaptioned(caption)) {
          if (boxText(candidate) == text) box = candidate;
        }
        return box != nullptr;
      }))
    throw Failure(L"no box captioned " + quoted(caption) + L" says " + quoted(text));
  // A box hides at once but is destroyed only when its message loop ends, which
  // waits for any box opened on top of it.
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  if (!waitUntil(args.timeoutMs(), [&] { return !IsWindow(box) || !IsWindowVisible(box); }))
    throw Failure(L"the box " + quoted(text) + L" stayed open after OK");
  return 0;
}

int holdFile(const Args& args, Output& out) {
  // No sharing at all: every other open of the file fails until this process ends.
  const std::wstring path = args.at(0);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw Failure(L"cannot open " + path + L" (error " + std::to_wstring(GetLastError()) + L")");
  out.line(L"held");
  Sleep(INFINITE);
  return 0;
}

int systemErrorText(const Args& args, Output& out) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(args.numberAt(0)), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer, length);
  LocalFree(buffer);
  while (!text.empty() && text.back() <= L' ') text.pop_back();
  if (text.empty()) throw Failure(L"the system has no text for error " + args.at(0));
  out.line(text);
  return 0;
}

int clickHeld(const Args& args, Output&) {
  // The controls capture the mouse while the button is down and act when it comes
  // up. Waiting for the capture after the press and for its end after the release
  // makes sure the control's thread has taken both before anything else is sent:
  // a hotkey message would otherwise overtake input that is still queued.
  HWND hwnd = args.hwnd();
  if (!IsWindow(hwnd)) throw Failure(L"no window " + hwndText(hwnd));
  const RECT client = clientRectOnScreen(hwnd);
  const auto at = [&](size_t index) {
    return POINT{client.left + static_cast<LONG>(args.numberAt(index)),
                 client.top + static_cast<LONG>(args.numberAt(index + 1))};
  };
  const POINT press = at(0);
  const POINT release = args.positional().size() >= 4 ? at(2) : press;
  mouseAt(press, {MOUSEEVENTF_LEFTDOWN});
  if (!waitUntil(args.timeoutMs(), [&] { return captureOf(hwnd) != nullptr; }))
    throw Failure(L"the press did not capture the mouse in the thread of " + hwndText(hwnd));
  mouseAt(release, {MOUSEEVENTF_LEFTUP});
  if (!waitUntil(args.timeoutMs(), [&] { return captureOf(hwnd) == nullptr; }))
    throw Failure(L"the release did not end the capture in the thread of " + hwndText(hwnd));
  return 0;
}
