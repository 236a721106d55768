#include <string>

#include "commands.h"
#include "failure.h"
#include "wait.h"
#include "window_query.h"

namespace {

std::wstring describe(HWND hwnd) {
  if (!hwnd) return L"hwnd=0x0";
  DWORD processId = processIdOf(hwnd);
  return L"hwnd=" + hwndText(hwnd) + L" pid=" + std::to_wstring(processId) + L" exe=" +
         quoted(processExeName(processId)) + L" class=" + quoted(className(hwnd)) + L" title=" +
         quoted(captionText(hwnd));
}

}  // namespace

int bringToFront(HWND hwnd, DWORD timeoutMs) {
  if (!IsWindow(hwnd)) throw Failure(L"no window " + hwndText(hwnd));
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  SetForegroundWindow(hwnd);
  if (!waitUntil(timeoutMs, [&] { return GetForegroundWindow() == hwnd; }))
    throw Failure(L"window " + hwndText(hwnd) + L" did not come to the front; the foreground is " +
                  describe(GetForegroundWindow()));
  return 0;
}

int bringToFront(const Args& args, Output&) { return bringToFront(args.hwnd(), args.timeoutMs()); }

int showForeground(const Args&, Output& out) {
  HWND foreground = GetForegroundWindow();
  out.line(L"foreground " + describe(foreground));
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (foreground && GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info)) {
    out.line(L"focus hwnd=" + hwndText(info.hwndFocus) + L" class=" + quoted(className(info.hwndFocus)) +
             L" id=" + std::to_wstring(info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0));
  } else {
    out.line(L"focus hwnd=0x0");
  }
  return 0;
}

int waitFocus(const Args& args, Output&) {
  // Keys go to the window that has the focus when they are sent, and a click gives
  // the focus only once the clicked program has handled it: wait for that first.
  HWND hwnd = args.hwnd();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!waitUntil(args.timeoutMs(), [&] { return GetGUIThreadInfo(0, &info) && info.hwndFocus == hwnd; }))
    throw Failure(L"window " + hwndText(hwnd) + L" did not get the keyboard focus; it is at " +
                  hwndText(info.hwndFocus) + L" " + quoted(className(info.hwndFocus)));
  return 0;
}

int waitIdle(const Args& args, Output&) {
  // A thread takes sent messages before posted ones, and the same GetMessage call
  // that answers the first WM_NULL may go on to take a posted message and dispatch
  // it. The second WM_NULL is answered only when that handler has returned or
  // pumps messages itself (a modal box), so everything posted earlier has been taken.
  HWND hwnd = args.hwnd();
  for (int round = 0; round < 2; ++round) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, args.timeoutMs(), &result))
      throw Failure(L"window " + hwndText(hwnd) + L" did not answer within " + std::to_wstring(args.timeoutMs()) +
                    L" ms");
  }
  return 0;
}

int postMessage(const Args& args, Output&) {
  HWND hwnd = args.hwnd();
  if (!PostMessageW(hwnd, static_cast<UINT>(args.numberAt(0)), static_cast<WPARAM>(args.numberAt(1)),
                    static_cast<LPARAM>(args.numberAt(2))))
    throw Failure(L"PostMessage to " + hwndText(hwnd) + L" failed with error " + std::to_wstring(GetLastError()));
  return 0;
}
