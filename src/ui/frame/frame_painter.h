#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "ui/frame/frame_layout.h"

// What the frame shows at one moment.
struct FrameLook {
  std::wstring caption;
  BYTE activation = 0;  // 0 while the window is inactive, 255 while it is active
  std::array<BYTE, kCaptionButtonCount> hover{};  // each button's way to its active picture
  std::array<bool, kCaptionButtonCount> enabled{};
};

// Paints the whole frame of a `window`-sized window into `dc` from the skin: the
// frame picture stretched between its fixed columns and rows, the active caption
// band blended over it, the caption buttons and the caption text. The client area
// is painted over too; whoever copies this to the screen leaves it out.
void paintFrame(HDC dc, SIZE window, const FrameLayout& layout, const FrameLook& look, const Skin& skin,
                const Theme& theme);
