#include "ui/widgets/windowless_host.h"

#include <windowsx.h>

void WindowlessHost::paint(HDC dc) const {
  for (const auto& control : controls_) control->paint(dc, theme_);
  for (const auto& button : buttons_) button->paint(dc, theme_);
}

SpeedButton* WindowlessHost::buttonAt(POINT point) const {
  for (const auto& button : buttons_) {
    if (PtInRect(&button->bounds(), point)) return button.get();
  }
  return nullptr;
}

void WindowlessHost::repaint(HWND hwnd, const SpeedButton* button) {
  if (button) InvalidateRect(hwnd, &button->bounds(), FALSE);
}

void WindowlessHost::fadeTo(HWND hwnd, SpeedButton& button, bool active) {
  button.hover.aim(active, theme_.element(button.element()).fades);
  repaint(hwnd, &button);
  if (button.hover.moving()) SetTimer(hwnd, kControlFadeTimer, Fade::kTickMs, nullptr);
}

void WindowlessHost::stepFades(HWND hwnd) {
  bool moving = false;
  for (const auto& button : buttons_) {
    if (!button->hover.moving()) continue;
    button->hover.step();
    repaint(hwnd, button.get());
    moving = moving || button->hover.moving();
  }
  if (!moving) KillTimer(hwnd, kControlFadeTimer);
}

void WindowlessHost::setHot(HWND hwnd, SpeedButton* button) {
  if (button == hot_) return;
  if (hot_) fadeTo(hwnd, *hot_, false);
  hot_ = button;
  if (hot_) {
    fadeTo(hwnd, *hot_, true);
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
  }
}

bool WindowlessHost::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_SETCURSOR: {
      POINT cursor;
      GetCursorPos(&cursor);
      ScreenToClient(hwnd, &cursor);
      if (LOWORD(lParam) != HTCLIENT || !buttonAt(cursor)) return false;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return true;
    }
    case WM_MOUSEMOVE:
      setHot(hwnd, pressed_ ? (PtInRect(&pressed_->bounds(), point) ? pressed_ : nullptr)
                            : buttonAt(point));
      if (pressed_ && pressed_->down != (hot_ == pressed_)) {
        pressed_->down = hot_ == pressed_;
        repaint(hwnd, pressed_);
      }
      return true;
    case WM_MOUSELEAVE:
      setHot(hwnd, nullptr);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = buttonAt(point);
      if (!pressed_) return false;
      pressed_->down = true;
      repaint(hwnd, pressed_);
      SetCapture(hwnd);
      return true;
    case WM_LBUTTONUP: {
      SpeedButton* released = pressed_;
      if (!released) return false;
      const bool inside = PtInRect(&released->bounds(), point);
      ReleaseCapture();  // ends the press through WM_CAPTURECHANGED
      if (inside) released->click();
      return true;
    }
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_->down = false;
        repaint(hwnd, pressed_);
        pressed_ = nullptr;
      }
      return true;
    case WM_TIMER:
      if (wParam != kControlFadeTimer) return false;
      stepFades(hwnd);
      return true;
    default:
      return false;
  }
}
