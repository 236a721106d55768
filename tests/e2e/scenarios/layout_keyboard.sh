#!/usr/bin/env bash
# The layout boxes and the keyboard: Tab walks the boxes in the order 1寸9张, 2寸4张,
# 1寸12张, 2寸6张, then the spacing boxes, and Shift+Tab walks back; Space on the
# focused box toggles it.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../controls_lib.sh"
e2e_begin

start_quorlen quorlen
wait_main_window main
find_controls "$main"

# The window opens with the focus on "1寸9张"; then every stop of the cycle, in order.
forward=("${layout_box[2寸4张]}" "${layout_box[1寸12张]}" "${layout_box[2寸6张]}" "$lr_box" "$ud_box"
         "${layout_box[1寸9张]}")
backward=("$ud_box" "$lr_box" "${layout_box[2寸6张]}" "${layout_box[1寸12张]}" "${layout_box[2寸4张]}"
          "${layout_box[1寸9张]}")
walk=(wait-focus --hwnd "${layout_box[1寸9张]}")
for stop in "${forward[@]}"; do walk+=(--then keys tab --then wait-focus --hwnd "$stop"); done
for stop in "${backward[@]}"; do walk+=(--then keys shift+tab --then wait-focus --hwnd "$stop"); done
drv "${walk[@]}"

start_target photoshop photoshop_window Photoshop.exe
log=$(target_log Photoshop.exe)
wait_refresh "$lr_box" 106

# Space on "1寸9张" twice: each time back in the window the focus is on the box,
# and a Tab after the Space shows that the window has taken the Space.
spaces=("NoLayout" "OneInchNine")
for expected in "${spaces[@]}"; do
  drv front --hwnd "$main" --then wait-focus --hwnd "${layout_box[1寸9张]}" --then keys space \
    --then keys tab --then wait-focus --hwnd "${layout_box[2寸4张]}" --then keys shift+tab \
    --then wait-focus --hwnd "${layout_box[1寸9张]}"
  expect_keys "$(layout_typed "$main" "$photoshop_window" "$log")" "$(expected_keys "$expected" 106 141)" \
    "layout after Space on 1寸9张"
done
