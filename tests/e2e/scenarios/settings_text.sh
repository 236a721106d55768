#!/usr/bin/env bash
# The left-right line of the settings file as integer text: leading blanks, a sign
# and the hexadecimal prefixes are taken, the first step writes the value back in
# plain decimal; trailing blanks, bare prefixes and signs and values past the
# 32-bit range are reported by the refresh. Steps past either end of the range are
# reported and change nothing.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../controls_lib.sh"
e2e_begin

settings=$scratch/$SETTINGS_NAME

# start_with_left_right TEXT: starts quorlen on a settings file whose left-right
# line is TEXT (sets quorlen, main and the controls).
start_with_left_right() {
  printf '%s\r\n141\r\n' "$1" >"$settings"
  start_quorlen quorlen
  wait_main_window main
  find_controls "$main"
}

# Each case: the line, then "accepted" or "rejected". An accepted line steps to 107.
cases=(
  " 106|accepted"
  "+106|accepted"
  "\$6A|accepted"
  "106 |rejected"
  "0x|rejected"
  "-|rejected"
  "2147483648|rejected"
)
for case in "${cases[@]}"; do
  IFS='|' read -r line verdict <<<"$case"
  start_with_left_right "$line"
  # The refresh that shows the line has converted it (or opened its report) by
  # the time the window answers again.
  reports=$(drv wait-text --hwnd "$lr_box" "$line" --then idle --hwnd "$main" --then boxes --caption "$APP_TITLE")
  if [ "$verdict" = accepted ]; then
    expect_eq "$reports" "" "reports of the refresh for [$line]"
    drv click-held --hwnd "$group" "${LR_PLUS[@]}"
    wait_bytes "$settings" '107\r\n141\r\n' "settings file after + on [$line]"
  else
    expect_eq "$reports" "$(q "$(not_an_integer "$line")")" "reports of the refresh for [$line]"
  fi
  close_quorlen
done

# Each case: the line, the button that steps past the end of the range, and the
# value the step would give.
ends=(
  "2147483647 LR_PLUS 2147483648"
  "-2147483648 LR_MINUS -2147483649"
)
for end in "${ends[@]}"; do
  read -r line button beyond <<<"$end"
  start_with_left_right "$line"
  cp "$settings" "$scratch/before.txt"
  point="$button[@]"
  expect_eq "$(drv wait-text --hwnd "$lr_box" "$line" --then click-held --hwnd "$group" "${!point}" \
    --then box --caption "$APP_TITLE" --ok click)" "$(q "$(not_an_integer "$beyond")")" "report of $button on [$line]"
  expect_eq "$(drv text --hwnd "$lr_box")" "$(q "$line")" "left-right box after $button on [$line]"
  cmp -s "$settings" "$scratch/before.txt" || fail "$button on [$line] changed the settings file"
  close_quorlen
done
