#include <string>

#include "commands.h"
#include "failure.h"
#include "input.h"
#include "wait.h"
#include "window_query.h"

namespace {

void pressOk(HWND box, const std::wstring& how, DWORD timeoutMs) {
  HWND ok = GetDlgItem(box, IDOK);
  if (!ok) throw Failure(L"the box has no OK button");
  if (how == L"message") {
    PostMessageW(ok, BM_CLICK, 0, 0);
  } else if (how == L"click") {
    // A real click lands on whatever is at that pixel, so the box must be on top.
    SetForegroundWindow(box);
    if (!waitUntil(timeoutMs, [&] { return GetForegroundWindow() == box; }))
      throw Failure(L"the box did not come to the front");
    RECT rect{};
    GetWindowRect(ok, &rect);
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    if (HWND hit = WindowFromPoint(centre); hit != ok)
      throw Failure(L"the OK button is covered by " + hwndText(hit) + L" " + quoted(className(hit)) + L" " +
                    quoted(captionText(hit)));
    mouseAt(centre, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  } else {
    throw Failure(L"--ok takes click or message, not " + how, 2);
  }
  if (!waitUntil(timeoutMs, [&] { return !IsWindow(box) || !IsWindowVisible(box); }))
    throw Failure(L"the box stayed open after OK; the foreground is " + hwndText(GetForegroundWindow()) + L" " +
                  quoted(captionText(GetForegroundWindow())));
}

}  // namespace

int messageBox(const Args& args, Output& out) {
  WindowFilter filter{args.text(L"caption"), kDialogClass, true};
  HWND box = nullptr;
  bool appeared = waitUntil(args.timeoutMs(), [&] {
    std::vector<HWND> boxes = findTopLevelWindows(filter);
    box = boxes.empty() ? nullptr : boxes.front();
    return box != nullptr;
  });
  if (!appeared)
    throw Failure(L"no message box captioned " + quoted(filter.title) + L" within " +
                  std::to_wstring(args.timeoutMs()) + L" ms");
  out.line(quoted(boxText(box)));
  if (args.has(L"ok")) pressOk(box, args.text(L"ok"), args.timeoutMs());
  return 0;
}

int countBoxes(const Args& args, Output& out) {
  // Hidden boxes count too: a box that exists but is not shown yet is still one
  // box too many when a scenario proves that none was opened.
  WindowFilter filter{args.text(L"caption"), kDialogClass, false};
  int count = 0;
  for (HWND box : findTopLevelWindows(filter)) {
    if (!args.has(L"text") || boxText(box) == args.text(L"text")) ++count;
  }
  out.line(std::to_wstring(count));
  return 0;
}
