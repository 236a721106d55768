#!/usr/bin/env bash
# Rolling up leaves the caption band and the bottom border, 38 pixels; rolling down
# gives back exactly the height before. The caption double click, the roll-up
# button and the system menu's items each do it; the menu, opened by a right click
# on the caption, its button or Alt+Space, lists what the window's state allows.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../skin_lib.sh"
e2e_begin

readonly NORMAL_ITEMS='"Mi&nimize"
"Ro&llUp"
"Minimize to &Tray"
""
"&Close\tAlt+F4"'
readonly ROLLED_UP_ITEMS='"Mi&nimize"
"&Restore"
"Minimize to &Tray"
""
"&Close\tAlt+F4"'

start_quorlen quorlen
wait_main_window main
read -r x y _ _ <<<"$(drv rect --hwnd "$main")"
rolled_up="$x $y $FRAME_WIDTH $ROLLED_UP_HEIGHT"
unrolled="$x $y $FRAME_WIDTH $FRAME_HEIGHT"

expect_rolled_up() { expect_eq "$(drv wait-rect --hwnd "$main" --height $ROLLED_UP_HEIGHT)" "$rolled_up" "$1"; }
expect_unrolled() { expect_eq "$(drv wait-rect --hwnd "$main" --height $FRAME_HEIGHT)" "$unrolled" "$1"; }

drv frame-click --hwnd "$main" "${CAPTION[@]}" --double
expect_rolled_up "window after a double click on the caption"
drv frame-click --hwnd "$main" "${CAPTION[@]}" --double
expect_unrolled "window after a second double click on the caption"

drv frame-click --hwnd "$main" "${ROLL_UP_BUTTON[@]}"
expect_rolled_up "window after the roll-up button"
drv frame-click --hwnd "$main" "${ROLL_UP_BUTTON[@]}"
expect_unrolled "window after the roll-up button again"

# The menu at the pointer: "Ro&llUp" chosen with the mouse.
drv frame-click --hwnd "$main" "${CAPTION[@]}" --right
wait_menu menu
expect_eq "$(drv rect --hwnd "$menu" | cut -d' ' -f1,2)" "$((x + CAPTION[0])) $((y + CAPTION[1]))" "place of the menu opened by a right click"
expect_eq "$(menu_items "$menu")" "$NORMAL_ITEMS" "items of the menu of the normal window"
click_menu_item "$menu" 2
drv wait-gone --hwnd "$menu"
expect_rolled_up "window after the menu's Ro&llUp"

# The menu below its button: "&Restore" chosen with the mouse.
drv frame-click --hwnd "$main" "${SYSTEM_MENU_BUTTON[@]}"
wait_menu menu
expect_eq "$(drv rect --hwnd "$menu" | cut -d' ' -f1,2)" "$((x + BELOW_SYSTEM_MENU_BUTTON[0])) $((y + BELOW_SYSTEM_MENU_BUTTON[1]))" "place of the menu opened by its button"
expect_eq "$(menu_items "$menu")" "$ROLLED_UP_ITEMS" "items of the menu of the rolled-up window"
click_menu_item "$menu" 2
drv wait-gone --hwnd "$menu"
expect_unrolled "window after the menu's &Restore"

# Alt+Space and the mnemonics.
drv front --hwnd "$main" --then keys alt+space
wait_menu menu
expect_eq "$(menu_items "$menu")" "$NORMAL_ITEMS" "items of the menu opened by Alt+Space"
drv keys l --then wait-gone --hwnd "$menu"
expect_rolled_up "window after L in the menu"
drv keys alt+space
wait_menu menu
drv keys r --then wait-gone --hwnd "$menu"
expect_unrolled "window after R in the menu"
