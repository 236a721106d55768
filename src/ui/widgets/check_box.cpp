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

void CheckBox::paint(HDC dc, const RECT& client) const {
  // Flat: the parent's background shows through around the mark and the text.
  POINT origin{0, 0};
  MapWindowPoints(hwnd(), GetParent(hwnd()), &origin, 1);
  SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
  SendMessageW(GetParent(hwnd()), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, 0, 0, nullptr);

  const ElementStyle& style = theme_.element(L"checkbox");
  const int size = theme_.scale(kMarkSize);
  const int top = (client.bottom - size) / 2;
  const RECT mark{0, top, size, top + size};
  fillRect(dc, mark, RGB(255, 255, 255));
  frameRect(dc, mark, style.frame);
  if (checked_) {
    const HPEN pen = CreatePen(PS_SOLID, theme_.scale(2), style.frame);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const POINT tick[] = {{mark.left + size / 5, top + size / 2},
                          {mark.left + size * 2 / 5, top + size * 3 / 4},
                          {mark.left + size * 4 / 5, top + size / 4}};
    Polyline(dc, tick, 3);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
  }

  RECT textBox{size + theme_.scale(kTextGap), 0, client.right, client.bottom};
  const HFONT font = theme_.elementFont(L"checkbox");
  drawTextLine(dc, text_.c_str(), textBox, font, style.text, DT_LEFT | DT_VCENTER);
  if (GetFocus() == hwnd()) {
    const HGDIOBJ oldFont = SelectObject(dc, font);
    RECT focus = textBox;
    DrawTextW(dc, text_.c_str(), -1, &focus, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    OffsetRect(&focus, 0, (client.bottom - focus.bottom) / 2);
    InflateRect(&focus, 1, 1);
    DrawFocusRect(dc, &focus);
    SelectObject(dc, oldFont);
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
    case WM_KEYUP:
      if (wParam == VK_SPACE) setChecked(!checked_);
      return 0;
    default:
      return Window::onMessage(message, wParam, lParam);
  }
}
