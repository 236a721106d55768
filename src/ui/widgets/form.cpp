#include "ui/widgets/form.h"

#include "ui/widgets/paint_buffer.h"

namespace {

// The caption buttons the system offers for the window - on its own caption, on
// the taskbar button's menu, as Alt+Space and Alt+F4 - whichever frame it has.
DWORD buttonStyles(const BorderIcons& icons) {
  return (icons.systemMenu ? WS_SYSMENU : 0) | (icons.minimize ? WS_MINIMIZEBOX : 0) |
         (icons.maximize ? WS_MAXIMIZEBOX : 0);
}

}  // namespace

Form::Form(const wchar_t* className, const wchar_t* caption, int clientWidth, int clientHeight,
           const BorderIcons& icons, const Theme& theme)
    : windowless_(theme) {
  registerClass({className});
  // The skinned frame answers the window's first messages, which come while it is created.
  if (theme.skin()) frame_.emplace(*theme.skin(), theme, PixelSize{clientWidth, clientHeight}, icons);
  const DWORD style = buttonStyles(icons) | WS_CLIPCHILDREN | (frame_ ? WS_POPUP : WS_OVERLAPPED | WS_CAPTION);
  RECT frame{0, 0, theme.scale(clientWidth), theme.scale(clientHeight)};
  if (frame_) {
    frame = {0, 0, frame_->windowSize().cx, frame_->windowSize().cy};
  } else {
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
  }
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  create(className, caption, style, WS_EX_CONTROLPARENT, RECT{left, top, left + width, top + height}, nullptr);
}

LRESULT Form::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (frame_) {
    if (const auto handled = frame_->handleMessage(hwnd(), message, wParam, lParam)) return *handled;
  }
  if (windowless_.handleMessage(hwnd(), message, wParam, lParam)) return message == WM_SETCURSOR;
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
