#include "ui/frame/skinned_frame.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/frame/frame_painter.h"
#include "ui/frame/skin_menu.h"

namespace {

// What hit-testing answers over each caption button, in CaptionButtonKind order.
// The system has no code for a roll-up button; HTOBJECT is one it never acts on.
constexpr std::array<LRESULT, kCaptionButtonCount> kButtonHits = {HTSYSMENU, HTMINBUTTON, HTMAXBUTTON,
                                                                  HTOBJECT, HTCLOSE};

std::optional<CaptionButtonKind> buttonOfHit(WPARAM hit) {
  for (std::size_t i = 0; i < kButtonHits.size(); ++i) {
    if (static_cast<WPARAM>(kButtonHits[i]) == hit) return static_cast<CaptionButtonKind>(i);
  }
  return std::nullopt;
}

std::size_t index(CaptionButtonKind button) { return static_cast<std::size_t>(button); }

RECT windowRect(HWND hwnd) {
  RECT window;
  GetWindowRect(hwnd, &window);
  return window;
}

POINT screenPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// The window's own commands go the way the system's caption buttons send them,
// so whatever the window does on them (its close handling) runs as usual.
void post(HWND hwnd, WPARAM systemCommand) { PostMessageW(hwnd, WM_SYSCOMMAND, systemCommand, 0); }

}  // namespace

SkinnedFrame::SkinnedFrame(const Skin& skin, const Theme& theme, PixelSize client, const BorderIcons& icons)
    : skin_(skin), theme_(theme), layout_(frameLayout(skin, client, theme)), icons_(icons) {}

bool SkinnedFrame::enabled(CaptionButtonKind button) const { return captionButtonEnabled(button, icons_); }

WindowState SkinnedFrame::state(HWND hwnd) const {
  if (IsIconic(hwnd)) return WindowState::Minimized;
  return rolledUp_ ? WindowState::RolledUp : WindowState::Normal;
}

std::optional<CaptionButtonKind> SkinnedFrame::buttonAt(HWND hwnd, POINT screen) const {
  const RECT window = windowRect(hwnd);
  const POINT point{screen.x - window.left, screen.y - window.top};
  for (std::size_t i = 0; i < kCaptionButtonCount; ++i) {
    if (PtInRect(&layout_.buttons[i], point)) return static_cast<CaptionButtonKind>(i);
  }
  return std::nullopt;
}

LRESULT SkinnedFrame::hitTest(HWND hwnd, POINT screen) const {
  const RECT window = windowRect(hwnd);
  const RECT& insets = layout_.insets;
  const RECT client{window.left + insets.left, window.top + insets.top, window.right - insets.right,
                    window.bottom - insets.bottom};
  if (PtInRect(&client, screen)) return HTCLIENT;
  if (const auto button = buttonAt(hwnd, screen)) return kButtonHits[index(*button)];
  // The borders are plain border: the window has a fixed size.
  return screen.y < client.top ? HTCAPTION : HTBORDER;
}

void SkinnedFrame::paint(HWND hwnd) const {
  const RECT window = windowRect(hwnd);
  const SIZE size{window.right - window.left, window.bottom - window.top};
  FrameLook look;
  look.caption.resize(GetWindowTextLengthW(hwnd) + 1);
  look.caption.resize(GetWindowTextW(hwnd, look.caption.data(), static_cast<int>(look.caption.size())));
  look.activation = activation_.level();
  for (std::size_t i = 0; i < kCaptionButtonCount; ++i) {
    look.hover[i] = hover_[i].level();
    look.enabled[i] = enabled(static_cast<CaptionButtonKind>(i));
  }

  const HDC dc = GetWindowDC(hwnd);
  {
    const OffscreenDc buffer(dc, size.cx, size.cy);
    paintFrame(buffer.dc(), size, layout_, look, skin_, theme_);
    const RECT& insets = layout_.insets;
    ExcludeClipRect(dc, insets.left, insets.top, size.cx - insets.right, size.cy - insets.bottom);
    buffer.copyTo(dc, 0, 0);
  }
  ReleaseDC(hwnd, dc);
}

void SkinnedFrame::startFades(HWND hwnd) {
  bool moving = activation_.moving();
  for (const Fade& fade : hover_) moving = moving || fade.moving();
  if (moving) SetTimer(hwnd, kFrameFadeTimer, Fade::kTickMs, nullptr);
}

void SkinnedFrame::stepFades(HWND hwnd) {
  bool moving = false;
  const auto step = [&moving](Fade& fade) {
    if (fade.moving()) fade.step();
    moving = moving || fade.moving();
  };
  step(activation_);
  for (Fade& fade : hover_) step(fade);
  if (!moving) KillTimer(hwnd, kFrameFadeTimer);
  if (!IsIconic(hwnd)) paint(hwnd);
}

void SkinnedFrame::setHot(HWND hwnd, std::optional<CaptionButtonKind> button) {
  if (button == hot_) return;
  if (hot_) hover_[index(*hot_)].aim(false);
  hot_ = button;
  if (hot_) {
    hover_[index(*hot_)].aim(true);
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, hwnd, 0};
    TrackMouseEvent(&track);
  }
  startFades(hwnd);
}

void SkinnedFrame::toggleRollUp(HWND hwnd) {
  if (!icons_.rollUp || IsIconic(hwnd)) return;
  const RECT window = windowRect(hwnd);
  if (!rolledUp_) unrolledHeight_ = window.bottom - window.top;
  rolledUp_ = !rolledUp_;
  SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left,
               rolledUp_ ? layout_.rolledUpHeight : unrolledHeight_,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinnedFrame::run(HWND hwnd, CaptionButtonKind button) {
  switch (button) {
    case CaptionButtonKind::Minimize: post(hwnd, SC_MINIMIZE); break;
    case CaptionButtonKind::RollUp: toggleRollUp(hwnd); break;
    case CaptionButtonKind::Close: post(hwnd, SC_CLOSE); break;
    case CaptionButtonKind::SystemMenu:  // acts on the press, not here
    case CaptionButtonKind::Maximize: break;  // the window has no maximized state
  }
}

void SkinnedFrame::run(HWND hwnd, SystemCommand command) {
  switch (command) {
    case SystemCommand::Minimize: post(hwnd, SC_MINIMIZE); break;
    case SystemCommand::Restore:
      if (IsIconic(hwnd)) {
        post(hwnd, SC_RESTORE);
      } else if (rolledUp_) {
        toggleRollUp(hwnd);
      }
      break;
    case SystemCommand::RollUp:
      if (!rolledUp_) toggleRollUp(hwnd);
      break;
    case SystemCommand::Close: post(hwnd, SC_CLOSE); break;
    case SystemCommand::Maximize:
    case SystemCommand::MinimizeToTray:
    case SystemCommand::Separator: break;
  }
}

POINT SkinnedFrame::belowSystemMenuButton(HWND hwnd) const {
  const RECT window = windowRect(hwnd);
  const RECT& button = layout_.button(CaptionButtonKind::SystemMenu);
  return {window.left + button.left, window.top + button.bottom};
}

void SkinnedFrame::openSystemMenu(HWND hwnd, POINT at, bool fromButton) {
  const LONG openedAt = GetMessageTime();
  const std::vector<SystemMenuItem> items = systemMenuItems(icons_, state(hwnd));
  const MenuOutcome outcome = trackSkinMenu(hwnd, at, items, skin_, theme_);
  if (!IsWindow(hwnd)) return;
  // The system menu button's double click closes the window. Its first press
  // opened the menu, so the second one arrives as the press that dismisses it.
  const bool doubleClick = fromButton && outcome.dismissingPress &&
                           buttonAt(hwnd, *outcome.dismissingPress) == CaptionButtonKind::SystemMenu &&
                           static_cast<DWORD>(outcome.dismissingPressTime - openedAt) <= GetDoubleClickTime();
  if (doubleClick) {
    post(hwnd, SC_CLOSE);
  } else if (outcome.chosen) {
    run(hwnd, *outcome.chosen);
  }
}

std::optional<LRESULT> SkinnedFrame::onCaptionPress(HWND hwnd, WPARAM hit) {
  const auto button = buttonOfHit(hit);
  if (!button) return hit == HTBORDER ? std::optional<LRESULT>(0) : std::nullopt;
  if (!enabled(*button)) return 0;
  if (*button == CaptionButtonKind::SystemMenu) {
    openSystemMenu(hwnd, belowSystemMenuButton(hwnd), true);
    return 0;
  }
  // The button acts when the mouse is released over it, as a push button does.
  pressed_ = button;
  setHot(hwnd, button);
  SetCapture(hwnd);
  return 0;
}

LRESULT SkinnedFrame::onCapturedMouse(HWND hwnd, UINT message, LPARAM lParam) {
  POINT screen = screenPoint(lParam);  // in client coordinates here
  ClientToScreen(hwnd, &screen);
  const bool over = buttonAt(hwnd, screen) == pressed_;
  if (message == WM_MOUSEMOVE) {
    setHot(hwnd, over ? pressed_ : std::nullopt);
    return 0;
  }
  const CaptionButtonKind released = *pressed_;
  pressed_.reset();
  ReleaseCapture();
  if (over) run(hwnd, released);
  return 0;
}

std::optional<LRESULT> SkinnedFrame::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // A minimized window shows only its taskbar button: the system handles it.
  const bool iconic = IsIconic(hwnd);
  switch (message) {
    case WM_NCCALCSIZE: {
      if (iconic) return std::nullopt;
      RECT& rect = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
      const RECT& insets = layout_.insets;
      rect.left += insets.left;
      rect.top += insets.top;
      rect.right -= insets.right;
      rect.bottom = std::max(rect.top, rect.bottom - insets.bottom);  // rolled up: no client area
      return 0;
    }
    case WM_NCHITTEST:
      if (iconic) return std::nullopt;
      return hitTest(hwnd, screenPoint(lParam));
    case WM_NCPAINT:
      if (iconic) return std::nullopt;
      paint(hwnd);
      return 0;
    case WM_NCACTIVATE:
      activation_.aim(wParam != FALSE);
      startFades(hwnd);
      if (iconic) return std::nullopt;
      return TRUE;
    case WM_TIMER:
      if (wParam != kFrameFadeTimer) return std::nullopt;
      stepFades(hwnd);
      return 0;
    case WM_NCMOUSEMOVE: {
      const auto button = buttonOfHit(wParam);
      setHot(hwnd, button && enabled(*button) ? button : std::nullopt);
      return std::nullopt;
    }
    case WM_NCMOUSELEAVE:
      if (!pressed_) setHot(hwnd, std::nullopt);
      return 0;
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCAPTION) {
        toggleRollUp(hwnd);
        return 0;
      }
      if (wParam == HTSYSMENU) {
        post(hwnd, SC_CLOSE);
        return 0;
      }
      return onCaptionPress(hwnd, wParam);
    case WM_NCLBUTTONDOWN:
      return onCaptionPress(hwnd, wParam);
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
      if (wParam == HTCAPTION || buttonOfHit(wParam)) return 0;
      return std::nullopt;
    case WM_NCRBUTTONUP:
      if (wParam == HTCAPTION) {
        openSystemMenu(hwnd, screenPoint(lParam), false);
        return 0;
      }
      return buttonOfHit(wParam) ? std::optional<LRESULT>(0) : std::nullopt;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      if (!pressed_) return std::nullopt;
      return onCapturedMouse(hwnd, message, lParam);
    case WM_CAPTURECHANGED:
      if (!pressed_) return std::nullopt;
      pressed_.reset();
      setHot(hwnd, std::nullopt);
      return 0;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MAXIMIZE:
        case SC_SIZE:
          return 0;  // fixed size, and no maximized state
        case SC_KEYMENU:
          // Alt+Space opens the frame's own system menu, below its button; the
          // system's menu mode would track a menu the frame does not show.
          if (lParam == L' ' && !iconic) openSystemMenu(hwnd, belowSystemMenuButton(hwnd), false);
          return 0;
        default:
          return std::nullopt;
      }
    default:
      return std::nullopt;
  }
}
