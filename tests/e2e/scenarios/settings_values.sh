#!/usr/bin/env bash
# The spacing values come from the settings file and go back into it: the refresh
# shows the file's values and Ctrl+F lays out with them; each step button writes
# the file at once and the refresh makes the new value live; restoring the
# defaults rewrites the first two lines and keeps the rest.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../controls_lib.sh"
e2e_begin

settings=$scratch/$SETTINGS_NAME
start_beside_photoshop
wait_refresh "$lr_box" 106
wait_refresh "$ud_box" 141
expect_keys "$(layout_typed "$main" "$photoshop_window" "$log")" "$(expected_keys OneInchNine 106 141)" \
  "1寸9张 with the file's 106 and 141"

# "+" writes the file at once; the live value follows at the next refresh.
drv click-held --hwnd "$group" "${LR_PLUS[@]}"
wait_bytes "$settings" '107\r\n141\r\n' "settings file after the left-right +"
wait_refresh "$lr_box" 107
expect_keys "$(layout_typed "$main" "$photoshop_window" "$log")" "$(expected_keys OneInchNine 107 141)" \
  "1寸9张 after the left-right + and a refresh"

# Each button steps its own box and writes both boxes into the file.
steps=(
  "UD_PLUS   107 142"
  "LR_MINUS  106 142"
  "UD_MINUS  106 141"
  "LR_MINUS  105 141"
)
for step in "${steps[@]}"; do
  read -r button left_right up_down <<<"$step"
  point="$button[@]"
  drv click-held --hwnd "$group" "${!point}"
  wait_bytes "$settings" "$left_right\r\n$up_down\r\n" "settings file after $button"
  expect_eq "$(drv text --hwnd "$lr_box" --then text --hwnd "$ud_box")" "$(q "$left_right")"$'\n'"$(q "$up_down")" \
    "spacing boxes after $button"
done

drv click-held --hwnd "$main" "${EXIT_BUTTON[@]}"
wait_exit "$quorlen"

# Restoring the defaults sets the first two lines and carries the third along.
printf '120\r\n90\r\nthird line\r\n' >"$settings"
start_quorlen quorlen
wait_main_window main
find_controls "$main"
wait_refresh "$lr_box" 120
drv click-held --hwnd "$group" "${RESTORE[@]}"
wait_bytes "$settings" '106\r\n141\r\nthird line\r\n' "settings file after 恢复默认间距"
expect_eq "$(drv text --hwnd "$lr_box" --then text --hwnd "$ud_box")" $'"106"\n"141"' \
  "spacing boxes after 恢复默认间距"
wait_refresh "$lr_box" 106
expect_keys "$(layout_typed "$main" "$photoshop_window" "$log")" "$(expected_keys OneInchNine 106 141)" \
  "1寸9张 after 恢复默认间距"
