#include "ui/skin/skin_drawing.h"

#include <algorithm>
#include <array>

namespace {

// The three slices of one axis: source edges in the picture, target edges in the box.
struct Slices {
  std::array<int, 4> from;
  std::array<int, 4> to;
};

Slices slices(int from, int fromEnd, int startMargin, int endMargin, int to, int toEnd, int dpi) {
  const int start = std::min(to + MulDiv(startMargin, dpi, 96), toEnd);
  const int end = std::max(toEnd - MulDiv(endMargin, dpi, 96), start);
  return {{from, from + startMargin, fromEnd - endMargin, fromEnd}, {to, start, end, toEnd}};
}

void drawSlices(HDC dc, HDC picture, const PicturePart& part, const RECT& box, int dpi) {
  const SkinRect& r = part.rect;
  const SkinMargins& m = part.margins;
  const Slices x = slices(r.left, r.right, m.left, m.right, box.left, box.right, dpi);
  const Slices y = slices(r.top, r.bottom, m.top, m.bottom, box.top, box.bottom, dpi);
  SetStretchBltMode(dc, COLORONCOLOR);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const int width = x.to[column + 1] - x.to[column];
      const int height = y.to[row + 1] - y.to[row];
      const int fromWidth = x.from[column + 1] - x.from[column];
      const int fromHeight = y.from[row + 1] - y.from[row];
      if (width <= 0 || height <= 0 || fromWidth <= 0 || fromHeight <= 0) continue;
      StretchBlt(dc, x.to[column], y.to[row], width, height, picture, x.from[column], y.from[row],
                 fromWidth, fromHeight, SRCCOPY);
    }
  }
}

}  // namespace

void drawPicturePart(HDC dc, const Skin& skin, const PicturePart& part, const RECT& box, int dpi,
                     BYTE alpha) {
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  if (alpha == 0 || width <= 0 || height <= 0) return;
  const MemoryDc picture(dc);
  const SelectedObject selected(picture.get(), skin.bitmap(part.picture));
  if (alpha == 255) {
    drawSlices(dc, picture.get(), part, box, dpi);
    return;
  }
  const OffscreenDc blended(dc, width, height);
  drawSlices(blended.dc(), picture.get(), part, RECT{0, 0, width, height}, dpi);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
  AlphaBlend(dc, box.left, box.top, width, height, blended.dc(), 0, 0, width, height, blend);
}
