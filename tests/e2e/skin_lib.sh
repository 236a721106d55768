# Helpers of the skinned-frame scenarios; source after lib.sh.

# The window at 96 DPI: the 422 x 216 client area inside the skin's borders of
# 7 (left, right), 30 (caption band) and 8 (bottom) pixels.
readonly FRAME_WIDTH=436 FRAME_HEIGHT=254 ROLLED_UP_HEIGHT=38
readonly CLIENT_OFFSET="7 30"

# Points of the frame, relative to the window's top-left corner: the caption band
# beside the text, and the middle of each caption button.
readonly CAPTION=(200 15)
readonly SYSTEM_MENU_BUTTON=(16 15)
readonly BELOW_SYSTEM_MENU_BUTTON=(8 23)  # where its menu opens: the button's bottom-left corner
readonly ROLL_UP_BUTTON=(369 15)
readonly MINIMIZE_BUTTON=(386 15)
readonly MAXIMIZE_BUTTON=(403 15)
readonly CLOSE_BUTTON=(420 15)
# The caption text's strip: left-aligned from x 28, the 14-pixel text in the
# middle of the 30-pixel band.
readonly CAPTION_TEXT_AREA=(28 5 172 20)

readonly MENU_CLASS=QuorlenMenu
readonly BRIGHT_GREEN=0x00ff00  # the skin's 65280
readonly GREEN=0x008000         # the skin's 32768

# The items of the open system menu as its item windows spell them, one a line.
menu_items() { drv tree --hwnd "$1" | sed -n 's/^.* text=//p'; }

# click_menu_item MENU N: clicks the middle of the menu's Nth item, counted from 1.
click_menu_item() {
  local x y width height
  read -r x y width height <<<"$(drv tree --hwnd "$1" |
    sed -n "$2s/.* x=\([0-9-]*\) y=\([0-9-]*\) w=\([0-9]*\) h=\([0-9]*\) .*/\1 \2 \3 \4/p")"
  drv click --hwnd "$1" $((x + width / 2)) $((y + height / 2))
}

# wait_menu VAR: the system menu once it shows.
wait_menu() {
  local hwnd
  hwnd=$(drv wait-window --class "$MENU_CLASS")
  printf -v "$1" %s "$hwnd"
}

# input_handled MAIN: opens the system menu with a right click on the caption and
# closes it with Esc. Input is handled in order, so once the menu has shown,
# everything clicked or typed before has been handled too.
input_handled() {
  local menu
  drv frame-click --hwnd "$1" "${CAPTION[@]}" --right
  wait_menu menu
  drv keys esc --then wait-gone --hwnd "$menu"
}

# Moves the mouse off the window, so no part of it shows its look under the mouse.
mouse_off_window() { drv frame-hover --hwnd "$1" -40 -40; }
