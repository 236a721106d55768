#include "ui/widgets/paint_buffer.h"
#include "ui/widgets/windowless.h"

void Label::paint(HDC dc, const Theme& theme) const {
  drawTextLine(dc, text_.c_str(), bounds(), theme.font(L"MS Sans Serif", -11, false),
               GetSysColor(COLOR_WINDOWTEXT), DT_LEFT | DT_TOP);
}
