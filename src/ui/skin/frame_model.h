#pragma once

#include <string_view>
#include <vector>

#include "ui/skin/skin_ini.h"

// How the skinned frame behaves, apart from drawing it.

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

struct FrameInsets {
  int left = 0;
  int top = 0;  // the caption band
  int right = 0;
  int bottom = 0;
  bool operator==(const FrameInsets&) const = default;
};

struct FrameGeometry {
  FrameInsets insets;
  PixelSize window;  // the whole window, not rolled up
  int rolledUpHeight = 0;
};

// The frame around a client area of `client` size. The insets are the distances
// from the client rectangle to the edges of the frame picture.
FrameGeometry frameGeometry(const SkinFrame& frame, PixelSize framePicture, PixelSize client);

// Where a rectangle of the frame picture's caption band lands in a window
// `windowWidth` wide: what lies right of the stretching columns keeps its
// distance to the right edge.
SkinRect placeInCaptionBand(const SkinFrame& frame, int framePictureWidth, SkinRect inPicture,
                            int windowWidth);

enum class WindowState { Normal, RolledUp, Minimized };

// The caption buttons and menu items the window allows.
struct BorderIcons {
  bool systemMenu = false;
  bool minimize = false;
  bool maximize = false;
  bool rollUp = false;
  bool minimizeToTray = false;
};

// The main window: everything but maximize. Minimize to tray shows its item but
// does nothing, since no notification-area icon is attached to the frame.
inline constexpr BorderIcons kMainFormBorderIcons{.systemMenu = true,
                                                  .minimize = true,
                                                  .maximize = false,
                                                  .rollUp = true,
                                                  .minimizeToTray = true};

// The close button is always enabled; the others as the icons allow. A disabled
// button stays in its place, shows its disabled picture and ignores the mouse.
bool captionButtonEnabled(CaptionButtonKind button, const BorderIcons& icons);

enum class SystemCommand { Minimize, Maximize, Restore, RollUp, MinimizeToTray, Separator, Close };

struct SystemMenuItem {
  SystemCommand command;
  std::wstring_view caption;  // empty for the separator
  std::wstring_view shortcut;
  bool operator==(const SystemMenuItem&) const = default;
};

// The system menu, built afresh each time it opens.
std::vector<SystemMenuItem> systemMenuItems(const BorderIcons& icons, WindowState state);
