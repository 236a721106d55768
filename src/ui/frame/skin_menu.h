#pragma once

#include <windows.h>

#include <optional>
#include <span>

#include "ui/skin/frame_model.h"
#include "ui/skin/skin.h"
#include "ui/widgets/theme.h"

// How a popup menu ended.
struct MenuOutcome {
  std::optional<SystemCommand> chosen;
  // A press outside the menu that dismissed it, where (screen) and when, so the
  // caller can tell the second press of a double click on what opened the menu.
  std::optional<POINT> dismissingPress;
  LONG dismissingPressTime = 0;
};

// Shows a popup menu of `items` drawn with the skin's menu pictures and font, its
// top-left corner at `at` (screen) as far as the screen allows, and runs it until
// an item is chosen or the menu is dismissed: by a press outside it, by Esc or
// Alt, or when the application loses the activation. Like TrackPopupMenu it
// returns only then, and the owner stays the active window meanwhile.
//
// Each item is a child window of the menu whose text is the item's caption, with
// its "&" mnemonic, followed by a tab and the shortcut where it has one, as a
// system menu spells its items.
MenuOutcome trackSkinMenu(HWND owner, POINT at, std::span<const SystemMenuItem> items, const Skin& skin,
                          const Theme& theme);
