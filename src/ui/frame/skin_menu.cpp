#include "ui/frame/skin_menu.h"

#include <windowsx.h>

#include <algorithm>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

#include "ui/skin/skin_drawing.h"
#include "ui/widgets/paint_buffer.h"
#include "ui/widgets/window.h"

namespace {

constexpr wchar_t kMenuClass[] = L"QuorlenMenu";
constexpr wchar_t kItemClass[] = L"QuorlenMenuItem";
// Room left and right of an item's texts, and between caption and shortcut.
constexpr int kTextPadding = 16;
constexpr int kShortcutGap = 24;

// "Minimize to Tray" has nothing to act on, as no notification-area icon is
// attached to the window: it is shown, greyed.
bool actionable(const SystemMenuItem& item) {
  return item.command != SystemCommand::Separator && item.command != SystemCommand::MinimizeToTray;
}

// The letter after the "&", lower case; none for a caption without one.
wchar_t mnemonic(std::wstring_view caption) {
  const auto amp = caption.find(L'&');
  if (amp == std::wstring_view::npos || amp + 1 == caption.size()) return L'\0';
  return static_cast<wchar_t>(std::towlower(caption[amp + 1]));
}

class MenuItemWindow : public Window {
 public:
  MenuItemWindow(HWND menu, const RECT& bounds, const SystemMenuItem& item, const Skin& skin,
                 const Theme& theme)
      : item_(item), skin_(skin), theme_(theme) {
    registerClass({kItemClass});
    std::wstring text(item.caption);
    if (!item.shortcut.empty()) text += L"\t" + std::wstring(item.shortcut);
    create(kItemClass, text.c_str(), WS_CHILD | WS_VISIBLE | (actionable(item) ? 0 : WS_DISABLED), 0, bounds,
           menu);
  }

  const SystemMenuItem& item() const { return item_; }
  void setHighlighted(bool highlighted) {
    if (highlighted == highlighted_) return;
    highlighted_ = highlighted;
    InvalidateRect(hwnd(), nullptr, FALSE);
  }

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PaintBuffer buffer(hwnd());
        paint(buffer.dc(), buffer.client());
        return 0;
      }
      default:
        return Window::onMessage(message, wParam, lParam);
    }
  }

 private:
  void paint(HDC dc, const RECT& client) const {
    const SkinMenu& menu = skin_.description().menu;
    if (item_.command == SystemCommand::Separator) {
      drawPicturePart(dc, skin_, menu.separator, client, theme_.dpi());
      return;
    }
    drawPicturePart(dc, skin_, highlighted_ ? menu.highlightedItem : menu.item, client, theme_.dpi());
    const COLORREF colour =
        !actionable(item_) ? menu.disabledColour : highlighted_ ? menu.highlightColour : menu.colour;
    const HFONT font = theme_.font(menu.font.name, menu.font.height, menu.font.bold);
    RECT text = client;
    InflateRect(&text, -theme_.scale(kTextPadding), 0);
    drawTextLine(dc, std::wstring(item_.shortcut).c_str(), text, font, colour, DT_RIGHT | DT_VCENTER);
    // The caption underlines its mnemonic.
    const SelectedObject selected(dc, font);
    SetTextColor(dc, colour);
    DrawTextW(dc, std::wstring(item_.caption).c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  }

  SystemMenuItem item_;
  const Skin& skin_;
  const Theme& theme_;
  bool highlighted_ = false;
};

class MenuWindow : public Window {
 public:
  MenuWindow(HWND owner, POINT at, std::span<const SystemMenuItem> items, const Skin& skin, const Theme& theme)
      : skin_(skin), theme_(theme) {
    registerClass({kMenuClass});
    const SkinMenu& menu = skin.description().menu;
    const SkinMargins& m = menu.window.margins;
    const RECT inside{theme.scale(m.left), theme.scale(m.top), theme.scale(m.right), theme.scale(m.bottom)};
    const int itemWidth = widestItem(items);
    int height = inside.top;
    for (const SystemMenuItem& item : items) height += itemHeight(item);
    height += inside.bottom;
    const SIZE size{inside.left + itemWidth + inside.right, height};

    create(kMenuClass, L"", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
           placeOnScreen(at, size), owner);
    int top = inside.top;
    for (const SystemMenuItem& item : items) {
      const RECT bounds{inside.left, top, inside.left + itemWidth, top + itemHeight(item)};
      items_.push_back(std::make_unique<MenuItemWindow>(hwnd(), bounds, item, skin, theme));
      top = bounds.bottom;
    }
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  }

  bool finished() const { return finished_; }
  const MenuOutcome& outcome() const { return outcome_; }

  // The keyboard works the menu while it is open; true when the message was its.
  bool takeKey(const MSG& message) {
    switch (message.message) {
      case WM_KEYDOWN:
        switch (message.wParam) {
          case VK_ESCAPE: finish(); break;
          case VK_UP: moveHighlight(-1); break;
          case VK_DOWN: moveHighlight(+1); break;
          case VK_RETURN: if (highlighted_) choose(*highlighted_); break;
          default: TranslateMessage(&message); break;  // for the mnemonics' WM_CHAR
        }
        return true;
      case WM_CHAR: {
        const auto key = static_cast<wchar_t>(std::towlower(static_cast<wchar_t>(message.wParam)));
        for (const auto& item : items_) {
          if (actionable(item->item()) && mnemonic(item->item().caption) == key) {
            choose(*item);
            break;
          }
        }
        return true;
      }
      case WM_SYSKEYDOWN:
        finish();
        return true;
      case WM_KEYUP:
      case WM_SYSKEYUP:
      case WM_SYSCHAR:
      case WM_DEADCHAR:
      case WM_SYSDEADCHAR:
        return true;
      default:
        return false;
    }
  }

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PaintBuffer buffer(hwnd());
        drawPicturePart(buffer.dc(), skin_, skin_.description().menu.window, buffer.client(), theme_.dpi());
        return 0;
      }
      case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
      case WM_MOUSEMOVE:
        highlight(itemAt(point));
        return 0;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
        // The release of the press that opened the menu lands here too; only a
        // release over an item chooses.
        if (MenuItemWindow* item = itemAt(point)) choose(*item);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
      case WM_RBUTTONDBLCLK:
      case WM_MBUTTONDBLCLK: {
        RECT client;
        GetClientRect(hwnd(), &client);
        if (PtInRect(&client, point)) return 0;
        POINT screen = point;
        ClientToScreen(hwnd(), &screen);
        outcome_.dismissingPress = screen;
        outcome_.dismissingPressTime = GetMessageTime();
        finish();
        return 0;
      }
      case WM_CAPTURECHANGED:
        finish();
        return 0;
      case WM_ACTIVATEAPP:
        if (!wParam) finish();
        return 0;
      default:
        return Window::onMessage(message, wParam, lParam);
    }
  }

 private:
  int itemHeight(const SystemMenuItem& item) const {
    const SkinMenu& menu = skin_.description().menu;
    return theme_.scale((item.command == SystemCommand::Separator ? menu.separator : menu.item).rect.height());
  }

  int widestItem(std::span<const SystemMenuItem> items) const {
    const SkinFont& font = skin_.description().menu.font;
    const MemoryDc dc;
    const SelectedObject selected(dc.get(), theme_.font(font.name, font.height, font.bold));
    const auto width = [&](std::wstring_view text, UINT format) {
      RECT box{};
      DrawTextW(dc.get(), std::wstring(text).c_str(), -1, &box, format | DT_CALCRECT | DT_SINGLELINE);
      return static_cast<int>(box.right);
    };
    int widest = 0;
    for (const SystemMenuItem& item : items) {
      int itemWidth = width(item.caption, 0);
      if (!item.shortcut.empty()) itemWidth += theme_.scale(kShortcutGap) + width(item.shortcut, DT_NOPREFIX);
      widest = std::max(widest, itemWidth);
    }
    return widest + 2 * theme_.scale(kTextPadding);
  }

  // The menu opens at `at`, moved left or flipped up where it would leave the screen.
  static RECT placeOnScreen(POINT at, SIZE size) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const LONG left = std::max(work.left, std::min(at.x, work.right - size.cx));
    const LONG top = at.y + size.cy <= work.bottom ? at.y : std::max(work.top, at.y - size.cy);
    return {left, top, left + size.cx, top + size.cy};
  }

  MenuItemWindow* itemAt(POINT point) const {
    for (const auto& item : items_) {
      RECT bounds;
      GetWindowRect(item->hwnd(), &bounds);
      MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&bounds), 2);
      if (PtInRect(&bounds, point)) return actionable(item->item()) ? item.get() : nullptr;
    }
    return nullptr;
  }

  void highlight(MenuItemWindow* item) {
    for (const auto& each : items_) each->setHighlighted(each.get() == item);
    highlighted_ = item;
  }

  // Moves the highlight to the next item that can be chosen, going round at the ends.
  void moveHighlight(int direction) {
    const auto count = static_cast<int>(items_.size());
    int index = -1;
    for (int i = 0; i < count; ++i) {
      if (items_[i].get() == highlighted_) index = i;
    }
    if (index < 0) index = direction > 0 ? -1 : count;
    for (int step = 1; step <= count; ++step) {
      MenuItemWindow* candidate = items_[((index + direction * step) % count + count) % count].get();
      if (actionable(candidate->item())) return highlight(candidate);
    }
  }

  void choose(const MenuItemWindow& item) {
    outcome_.chosen = item.item().command;
    finish();
  }

  void finish() {
    finished_ = true;
    // Wakes the menu's message loop, which may be waiting for input.
    PostMessageW(hwnd(), WM_NULL, 0, 0);
  }

  const Skin& skin_;
  const Theme& theme_;
  std::vector<std::unique_ptr<MenuItemWindow>> items_;
  MenuItemWindow* highlighted_ = nullptr;
  MenuOutcome outcome_;
  bool finished_ = false;
};

}  // namespace

MenuOutcome trackSkinMenu(HWND owner, POINT at, std::span<const SystemMenuItem> items, const Skin& skin,
                          const Theme& theme) {
  MenuWindow menu(owner, at, items, skin, theme);
  SetCapture(menu.hwnd());
  MSG message;
  while (!menu.finished()) {
    if (!GetMessageW(&message, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the program's own loop
      break;
    }
    if (menu.takeKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (GetCapture() == menu.hwnd()) ReleaseCapture();
  return menu.outcome();
}
