#include "ui/widgets/paint_buffer.h"

namespace {

RECT clientRect(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return client;
}

}  // namespace

PaintBuffer::PaintBuffer(HWND hwnd)
    : hwnd_(hwnd), screen_(BeginPaint(hwnd, &paint_)), client_(clientRect(hwnd)),
      buffer_(screen_, client_.right, client_.bottom) {}

PaintBuffer::~PaintBuffer() {
  buffer_.copyTo(screen_, 0, 0);
  EndPaint(hwnd_, &paint_);
}

UINT alignmentFormat(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Centre: return DT_CENTER;
    case TextAlignment::Right: return DT_RIGHT;
    case TextAlignment::Left: break;
  }
  return DT_LEFT;
}

void drawTextLine(HDC dc, const wchar_t* text, RECT box, HFONT font, COLORREF colour, UINT align) {
  const SelectedObject selected(dc, font);
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text, -1, &box, align | DT_SINGLELINE | DT_NOPREFIX);
}

void fillRect(HDC dc, const RECT& rect, COLORREF colour) {
  const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, brush.get());
}

void frameRect(HDC dc, const RECT& rect, COLORREF colour) {
  const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  FrameRect(dc, &rect, brush.get());
}
