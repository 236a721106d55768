#pragma once

#include <windows.h>

#include "ui/skin/skin.h"

// Draws a part of a skin picture over `box`. The part's margins keep their size
// (scaled from 96 DPI to `dpi`) and the rest stretches, so one small picture
// serves a control of any size. Below 255, `alpha` blends the part over what is
// already in `box`: that is how one look fades into another.
void drawPicturePart(HDC dc, const Skin& skin, const PicturePart& part, const RECT& box, int dpi,
                     BYTE alpha = 255);
