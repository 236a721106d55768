#pragma once

#include <windows.h>

#include <array>

#include "ui/skin/frame_model.h"
#include "ui/skin/skin.h"
#include "ui/widgets/theme.h"

// Where the pieces of the skinned frame lie in the window, in the screen's
// pixels: the skin's 96-DPI figures placed for this window and scaled.
struct FrameLayout {
  RECT insets;  // the borders around the client area; top is the caption band
  SIZE window;  // the whole window, not rolled up
  int rolledUpHeight;
  RECT captionText;
  std::array<RECT, kCaptionButtonCount> buttons;  // by CaptionButtonKind

  const RECT& button(CaptionButtonKind kind) const { return buttons[static_cast<std::size_t>(kind)]; }
};

FrameLayout frameLayout(const Skin& skin, PixelSize client, const Theme& theme);
