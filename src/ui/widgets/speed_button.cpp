#include "ui/widgets/paint_buffer.h"
#include "ui/widgets/windowless.h"

namespace {

// Without a skin: a flat face that lightens under the mouse and darkens when pressed.
void paintPlainFace(HDC dc, const RECT& face, const ElementStyle& style, BYTE hover, bool down) {
  fillRect(dc, face, down ? RGB(8, 24, 8) : mixColours(style.face, RGB(32, 64, 32), hover));
  frameRect(dc, face, down ? style.activeText : mixColours(style.frame, style.activeText, hover));
}

}  // namespace

void SpeedButton::paint(HDC dc, const Theme& theme) const {
  const ElementStyle& style = theme.element(element_);
  RECT face = bounds();
  const BYTE level = hover.level();
  const bool skinned = down ? theme.drawPart(dc, element_, "down", face)
                            : theme.drawPart(dc, element_, "normal", face) &&
                                  theme.drawPart(dc, element_, "active", face, level);
  if (!skinned) paintPlainFace(dc, face, style, level, down);
  if (down) OffsetRect(&face, 1, 1);
  const COLORREF colour = down ? style.downText : mixColours(style.text, style.activeText, level);
  drawTextLine(dc, text_.c_str(), face, theme.elementFont(element_), colour, DT_CENTER | DT_VCENTER);
}
