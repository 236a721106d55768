#pragma once

#include <span>

#include "ui/skin/frame_model.h"
#include "ui/skin/skin_ini.h"

// Checks that everything the skin's text places in its pictures lies inside them:
// every picture part, the frame's client area, caption text and stretching
// columns. Whatever draws the skin then never reads outside a picture. A part
// that does not fit throws AppError "The stored skin is damaged: ...".
void checkSkinFitsPictures(const SkinDescription& skin, PixelSize framePicture,
                           std::span<const PixelSize> pictures);
