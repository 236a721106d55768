#pragma once

#include <windows.h>

#include "ui/skin/skin_ini.h"
#include "ui/widgets/gdi.h"

// Paints a window through an off-screen bitmap, copied to the screen in one go
// when the buffer ends, so the one-second refresh never flickers.
class PaintBuffer {
 public:
  explicit PaintBuffer(HWND hwnd);
  PaintBuffer(const PaintBuffer&) = delete;
  PaintBuffer& operator=(const PaintBuffer&) = delete;
  ~PaintBuffer();

  HDC dc() const { return buffer_.dc(); }
  const RECT& client() const { return client_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC screen_;
  RECT client_;
  OffscreenDc buffer_;
};

// The DrawText flag for an alignment.
UINT alignmentFormat(TextAlignment alignment);

// Draws one line of text in a box, cut at the box's edges (never an ellipsis).
void drawTextLine(HDC dc, const wchar_t* text, RECT box, HFONT font, COLORREF colour, UINT align);

void fillRect(HDC dc, const RECT& rect, COLORREF colour);
void frameRect(HDC dc, const RECT& rect, COLORREF colour);
