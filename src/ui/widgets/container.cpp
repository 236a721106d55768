#include "ui/widgets/container.h"

#include <algorithm>

#include "ui/widgets/paint_buffer.h"

namespace {

const wchar_t* className(ControlKind kind) {
  switch (kind) {
    case ControlKind::GroupBox: return L"TbsSkinGroupBox";
    case ControlKind::Panel: return L"TbsSkinPanel";
    case ControlKind::StatusBar: return L"TbsSkinStatusBar";
    case ControlKind::StatusPanel: return L"TbsSkinStatusPanel";
    default: return L"";
  }
}

constexpr int kCaptionHeight = 22;
// Text keeps this far from the left and right edges of its strip.
constexpr int kCaptionTextInset = 4;

}  // namespace

Container::Container(ControlKind kind, HWND parent, const RECT& bounds, std::wstring text,
                     std::wstring element, const Theme& theme)
    : kind_(kind), text_(std::move(text)), element_(std::move(element)), theme_(theme),
      windowless_(theme) {
  registerClass({className(kind)});
  // WS_EX_CONTROLPARENT lets Tab move into the edit and check boxes inside.
  create(className(kind), text_.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
         WS_EX_CONTROLPARENT, bounds, parent);
}

// Draws the element's picture part over `box`; without a skin, a plain face and,
// where `framed`, a frame around it.
void Container::paintPart(HDC dc, std::string_view part, const RECT& box, COLORREF plainFace,
                          bool framed) const {
  if (theme_.drawPart(dc, element_, part, box)) return;
  fillRect(dc, box, plainFace);
  if (framed) frameRect(dc, box, theme_.element(element_).frame);
}

void Container::paintBackground(HDC dc, const RECT& client) const {
  const ElementStyle& style = theme_.element(element_);
  switch (kind_) {
    case ControlKind::GroupBox: {
      RECT caption = client;
      caption.bottom = std::min<LONG>(theme_.scale(kCaptionHeight), client.bottom);
      RECT body = client;
      body.top = caption.bottom;
      paintPart(dc, "frame", body, style.face, true);
      paintPart(dc, "caption", caption, RGB(20, 44, 20), false);
      InflateRect(&caption, -theme_.scale(kCaptionTextInset), 0);
      drawTextLine(dc, text_.c_str(), caption, theme_.elementFont(element_), style.text,
                   alignmentFormat(style.align) | DT_VCENTER);
      break;
    }
    case ControlKind::StatusPanel:
      paintPart(dc, "frame", client, style.face, true);
      drawTextLine(dc, text_.c_str(), RECT{theme_.scale(kCaptionTextInset), 0, client.right, client.bottom},
                   theme_.elementFont(element_), style.text, DT_LEFT | DT_VCENTER);
      break;
    case ControlKind::Panel:
      paintPart(dc, "frame", client, style.face, true);
      break;
    default:
      paintPart(dc, "frame", client, style.face, false);
      break;
  }
}

LRESULT Container::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (windowless_.handleMessage(hwnd(), message, wParam, lParam)) return message == WM_SETCURSOR;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintBuffer buffer(hwnd());
      paintBackground(buffer.dc(), buffer.client());
      windowless_.paint(buffer.dc());
      return 0;
    }
    case WM_PRINTCLIENT: {
      // Children that draw over our background ask for it this way.
      RECT client;
      GetClientRect(hwnd(), &client);
      paintBackground(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_CTLCOLOREDIT: {
      const auto editWindow = reinterpret_cast<HWND>(lParam);
      const ElementStyle& style = theme_.element(L"edit");
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, GetFocus() == editWindow ? style.activeText : style.text);
      SetBkColor(dc, style.face);
      SetDCBrushColor(dc, style.face);
      return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    default:
      return Window::onMessage(message, wParam, lParam);
  }
}
