#!/usr/bin/env bash
# The skinned frame: the window is 436 x 254 with its 422 x 216 client area inside
# the skin's borders, opens centred, moves by its caption band, and keeps its size
# whatever edge is dragged or however the maximize button is clicked. The minimize
# button minimizes it; restored, it is as before.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../skin_lib.sh"
e2e_begin

start_quorlen quorlen
wait_main_window main

read -r screen_width screen_height <<<"$(drv screen)"
read -r x y width height <<<"$(drv rect --hwnd "$main")"
expect_eq "$width x $height" "$FRAME_WIDTH x $FRAME_HEIGHT" "size of the window"
expect_eq "$x $y" "$(((screen_width - FRAME_WIDTH) / 2)) $(((screen_height - FRAME_HEIGHT) / 2))" \
  "position of the window, centred on the $screen_width x $screen_height screen"
read -r client_x client_y client_width client_height <<<"$(drv client --hwnd "$main")"
expect_eq "$client_width x $client_height" "422 x 216" "size of the client area"
expect_eq "$((client_x - x)) $((client_y - y))" "$CLIENT_OFFSET" "place of the client area in the window"

# The caption band moves the window: this drag is what the edges are tried with.
drv frame-drag --hwnd "$main" "${CAPTION[@]}" $((CAPTION[0] + 60)) $((CAPTION[1] + 40))
moved="$((x + 60)) $((y + 40)) $FRAME_WIDTH $FRAME_HEIGHT"
expect_eq "$(drv wait-rect --hwnd "$main" --x $((x + 60)) --y $((y + 40)))" "$moved" "window after dragging the caption"

# Left, right and bottom edge and the bottom-right corner, outwards and inwards.
drv frame-drag --hwnd "$main" 3 120 -40 120 \
  --then frame-drag --hwnd "$main" 3 120 60 120 \
  --then frame-drag --hwnd "$main" 433 120 480 120 \
  --then frame-drag --hwnd "$main" 433 120 380 120 \
  --then frame-drag --hwnd "$main" 200 251 200 300 \
  --then frame-drag --hwnd "$main" 200 251 200 200 \
  --then frame-drag --hwnd "$main" 434 252 480 300
input_handled "$main"
expect_eq "$(drv rect --hwnd "$main")" "$moved" "window after dragging its edges"

# The maximize button shows and is disabled: clicks, double clicks, none does anything.
drv frame-click --hwnd "$main" "${MAXIMIZE_BUTTON[@]}" --then frame-click --hwnd "$main" "${MAXIMIZE_BUTTON[@]}" --double
input_handled "$main"
expect_eq "$(drv rect --hwnd "$main") $(drv window-state --hwnd "$main")" "$moved normal" "window after clicking maximize"

drv frame-click --hwnd "$main" "${MINIMIZE_BUTTON[@]}"
drv window-state --hwnd "$main" minimized >/dev/null
# A task switcher restores a minimized window as the taskbar button does.
drv front --hwnd "$main"
expect_eq "$(drv window-state --hwnd "$main" normal) $(drv rect --hwnd "$main")" "normal $moved" "window restored"
