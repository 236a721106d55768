#include "ui/widgets/form.h"

#include "ui/widgets/paint_buffer.h"

namespace {
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
}

Form::Form(const wchar_t* className, const wchar_t* caption, int clientWidth, int clientHeight,
           const Theme& theme)
    : windowless_(theme) {
  registerClass({className});
  RECT frame{0, 0, theme.scale(clientWidth), theme.scale(clientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_CONTROLPARENT);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  create(className, caption, kStyle, WS_EX_CONTROLPARENT, RECT{left, top, left + width, top + height},
         nullptr);
}

LRESULT Form::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (windowless_.handleMouse(hwnd(), message, lParam)) return message == WM_SETCURSOR;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintBuffer buffer(hwnd());
      fillRect(buffer.dc(), buffer.client(), GetSysColor(COLOR_BTNFACE));
      windowless_.paint(buffer.dc());
      return 0;
    }
    case WM_ACTIVATE:
      // Give the focus back to the control that had it when the user returns.
      if (LOWORD(wParam) == WA_INACTIVE) {
        focusWhileInactive_ = GetFocus();
      } else if (focusWhileInactive_ && IsChild(hwnd(), focusWhileInactive_)) {
        SetFocus(focusWhileInactive_);
        return 0;
      }
      return Window::onMessage(message, wParam, lParam);
    default:
      return Window::onMessage(message, wParam, lParam);
  }
}
