#include "ui/widgets/check_box.h"

#include <windowsx.h>

#include "ui/widgets/paint_buffer.h"

namespace {
constexpr wchar_t kClassName[] = L"TbsSkinCheckRadioBox";
constexpr int kMarkSize = 13;
constexpr int kTextGap = 5;
}  // namespace

CheckBox::CheckBox(HWND parent, const RECT& bounds, std::wstring text, bool checked, const Theme& theme)
    : text_(std::move(text)), checked_(checked), theme_(theme) {
  registerClass({kClassName});
  create(kClassName, text_.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, bounds,
         parent);
}

void CheckBox::setChecked(bool checked) {
  checked_ = checked;
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
  if (onClick_) onClick_();
}

// Without a skin: a white square framed in the element's colour, with a tick when checked.
void CheckBox::paintPlainMark(HDC dc, const RECT& mark) const {
  const COLORREF colour = theme_.element(L"checkbox").frame;
  fillRect(dc, mark, RGB(255, 255, 255));
  frameRect(dc, mark, colour);
  if (!checked_) return;
  const int size = mark.right - mark.left;
  const GdiObject<HPEN> pen(CreatePen(PS_SOLID, theme_.scale(2), colour));
  const SelectedObject selected(dc, pen.get());
  const POINT tick[] = {{mark.left + size / 5, mark.top + size / 2},
                        {mark.left + size * 2 / 5, mark.top + size * 3 / 4},
                        {mark.left + size * 4 / 5, mark.top + size / 4}};
  Polyline(dc, tick, 3);
}

void CheckBox::setHover(bool hover) {
  hover_.aim(hover, theme_.element(L"checkbox").fades);
  InvalidateRect(hwnd(), nullptr, FALSE);
  if (hover_.moving()) SetTimer(hwnd(), kControlFadeTimer, Fade::kTickMs, nullptr);
}

void CheckBox::paint(HDC dc, const RECT& client) const {
  // Flat: the parent's background shows through around the mark and the text.
  POINT origin{0, 0};
  MapWindowPoints(hwnd(), GetParent(hwnd()), &origin, 1);
  SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
  SendMessageW(GetParent(hwnd()), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, 0, 0, nullptr);

  const ElementStyle& style = theme_.element(L"checkbox");
  const char* const look = checked_ ? "checked" : "unchecked";
  const PicturePart* picture = theme_.part(L"checkbox", look);
  const SIZE size = picture ? SIZE{theme_.scale(picture->rect.width()), theme_.scale(picture->rect.height())}
                            : SIZE{theme_.scale(kMarkSize), theme_.scale(kMarkSize)};
  const int top = (client.bottom - size.cy) / 2;
  const RECT mark{0, top, size.cx, top + size.cy};
  if (picture) {
    theme_.drawPart(dc, L"checkbox", look, mark);
    theme_.drawPart(dc, L"checkbox", std::string(look) + "_active", mark, hover_.level());
  } else {
    paintPlainMark(dc, mark);
  }

  RECT textBox{mark.right + theme_.scale(kTextGap), 0, client.right, client.bottom};
  const HFONT font = theme_.elementFont(L"checkbox");
  drawTextLine(dc, text_.c_str(), textBox, font, mixColours(style.text, style.activeText, hover_.level()),
               DT_LEFT | DT_VCENTER);
  if (GetFocus() == hwnd()) {
    const SelectedObject selected(dc, font);
    RECT focus = textBox;
    DrawTextW(dc, text_.c_str(), -1, &focus, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    OffsetRect(&focus, 0, (client.bottom - focus.bottom) / 2);
    InflateRect(&focus, 1, 1);
    DrawFocusRect(dc, &focus);
  }
}

LRESULT CheckBox::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintBuffer buffer(hwnd());
      paint(buffer.dc(), buffer.client());
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_BUTTON;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd());
      pressed_ = true;
      SetCapture(hwnd());
      return 0;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      ReleaseCapture();
      RECT client;
      GetClientRect(hwnd(), &client);
      if (wasPressed && PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
        setChecked(!checked_);
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    case WM_MOUSEMOVE:
      if (!hovering_) {
        hovering_ = true;
        setHover(true);
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
      }
      return 0;
    case WM_MOUSELEAVE:
      hovering_ = false;
      setHover(false);
      return 0;
    case WM_TIMER:
      if (wParam != kControlFadeTimer) return Window::onMessage(message, wParam, lParam);
      hover_.step();
      InvalidateRect(hwnd(), nullptr, FALSE);
      if (!hover_.moving()) KillTimer(hwnd(), kControlFadeTimer);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE) setChecked(!checked_);
      return 0;
    default:
      return Window::onMessage(message, wParam, lParam);
  }
}
