#include "ui/widgets/paint_buffer.h"
#include "ui/widgets/windowless.h"

void SpeedButton::paint(HDC dc, const Theme& theme) const {
  const ElementStyle& style = theme.element(element_);
  RECT face = bounds();
  fillRect(dc, face, down ? RGB(8, 24, 8) : hot ? RGB(32, 64, 32) : style.face);
  frameRect(dc, face, down || hot ? style.activeText : style.frame);
  if (down) OffsetRect(&face, 1, 1);
  const COLORREF colour = down ? style.downText : hot ? style.activeText : style.text;
  drawTextLine(dc, text_.c_str(), face, theme.elementFont(element_), colour, DT_CENTER | DT_VCENTER);
}
