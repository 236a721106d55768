#include "ui/widgets/paint_buffer.h"

PaintBuffer::PaintBuffer(HWND hwnd) : hwnd_(hwnd) {
  screen_ = BeginPaint(hwnd_, &paint_);
  GetClientRect(hwnd_, &client_);
  memory_ = CreateCompatibleDC(screen_);
  bitmap_ = CreateCompatibleBitmap(screen_, client_.right, client_.bottom);
  oldBitmap_ = SelectObject(memory_, bitmap_);
  SetBkMode(memory_, TRANSPARENT);
}

PaintBuffer::~PaintBuffer() {
  BitBlt(screen_, 0, 0, client_.right, client_.bottom, memory_, 0, 0, SRCCOPY);
  SelectObject(memory_, oldBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(memory_);
  EndPaint(hwnd_, &paint_);
}

void drawTextLine(HDC dc, const wchar_t* text, RECT box, HFONT font, COLORREF colour, UINT align) {
  const HGDIOBJ oldFont = SelectObject(dc, font);
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text, -1, &box, align | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

void fillRect(HDC dc, const RECT& rect, COLORREF colour) {
  const HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void frameRect(HDC dc, const RECT& rect, COLORREF colour) {
  const HBRUSH brush = CreateSolidBrush(colour);
  FrameRect(dc, &rect, brush);
  DeleteObject(brush);
}
