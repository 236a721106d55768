#include <string>

#include "commands.h"
#include "failure.h"
#include "wait.h"
#include "window_query.h"

namespace {

std::wstring rectText(const RECT& rect) {
  return std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
         std::to_wstring(rect.right - rect.left) + L" " + std::to_wstring(rect.bottom - rect.top);
}

HWND existingWindow(const Args& args) {
  HWND hwnd = args.hwnd();
  if (!IsWindow(hwnd)) throw Failure(L"no window " + hwndText(hwnd));
  return hwnd;
}

void printChildren(HWND parent, int depth, Output& out) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    out.line(std::wstring(2 * depth, L' ') + L"hwnd=" + hwndText(child) + L" class=" + quoted(className(child)) +
             L" id=" + std::to_wstring(GetDlgCtrlID(child)) + L" x=" + std::to_wstring(rect.left) +
             L" y=" + std::to_wstring(rect.top) + L" w=" + std::to_wstring(rect.right - rect.left) +
             L" h=" + std::to_wstring(rect.bottom - rect.top) +
             L" visible=" + (IsWindowVisible(child) ? L"1" : L"0") + L" text=" + quoted(controlText(child)));
    printChildren(child, depth + 1, out);
  }
}

}  // namespace

int waitWindow(const Args& args, Output& out) {
  WindowFilter filter{args.text(L"title"), args.text(L"class"), !args.has(L"hidden")};
  HWND found = nullptr;
  bool appeared = waitUntil(args.timeoutMs(), [&] {
    std::vector<HWND> windows = findTopLevelWindows(filter);
    found = windows.empty() ? nullptr : windows.front();
    return found != nullptr;
  });
  if (!appeared)
    throw Failure(L"no window with title " + quoted(filter.title) + L" and class " + quoted(filter.className) +
                  L" within " + std::to_wstring(args.timeoutMs()) + L" ms");
  out.line(hwndText(found));
  return args.has(L"front") ? bringToFront(found, args.timeoutMs()) : 0;
}

int waitGone(const Args& args, Output&) {
  HWND hwnd = args.hwnd();
  if (!waitUntil(args.timeoutMs(), [&] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }))
    throw Failure(L"window " + hwndText(hwnd) + L" " + quoted(captionText(hwnd)) + L" is still there after " +
                  std::to_wstring(args.timeoutMs()) + L" ms");
  return 0;
}

int windowRect(const Args& args, Output& out) {
  RECT rect{};
  GetWindowRect(existingWindow(args), &rect);
  out.line(rectText(rect));
  return 0;
}

int clientRect(const Args& args, Output& out) {
  out.line(rectText(clientRectOnScreen(existingWindow(args))));
  return 0;
}

int moveWindow(const Args& args, Output&) {
  HWND hwnd = existingWindow(args);
  if (!SetWindowPos(hwnd, nullptr, static_cast<int>(args.numberAt(0)), static_cast<int>(args.numberAt(1)), 0, 0,
                    SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE))
    throw Failure(L"SetWindowPos failed with error " + std::to_wstring(GetLastError()));
  return 0;
}

int childTree(const Args& args, Output& out) {
  printChildren(existingWindow(args), 0, out);
  return 0;
}

int waitText(const Args& args, Output&) {
  HWND hwnd = existingWindow(args);
  const std::wstring wanted = args.at(0);
  std::wstring text;
  if (!waitUntil(args.timeoutMs(), [&] { return (text = controlText(hwnd)) == wanted; }))
    throw Failure(L"window " + hwndText(hwnd) + L" shows " + quoted(text) + L", not " + quoted(wanted) + L", after " +
                  std::to_wstring(args.timeoutMs()) + L" ms");
  return 0;
}

int setText(const Args& args, Output&) {
  HWND hwnd = existingWindow(args);
  const std::wstring text = args.at(0);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                           args.timeoutMs(), &result) || !result)
    throw Failure(L"window " + hwndText(hwnd) + L" did not take the text " + quoted(text));
  return 0;
}
