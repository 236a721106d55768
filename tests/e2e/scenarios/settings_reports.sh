#!/usr/bin/env bash
# A store line that stays bad is reported by one box at a time: while the report
# is open the refresh goes on (the boxes are refilled, the good left-right value
# is live, the up-down value keeps its old one) without stacking reports; once it
# is closed, the next tick reports again.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../controls_lib.sh"
e2e_begin

printf '120\r\nabc\r\n' >"$scratch/$SETTINGS_NAME"
start_beside_photoshop
report=$(q "$(not_an_integer abc)")
expect_eq "$(drv box --caption "$APP_TITLE")" "$report" "report of the refresh"

# Three more ticks while the report is open: each puts the store's line back
# into the up-down box after the probe text.
ticks=()
for _ in 1 2 3; do ticks+=(set-text --hwnd "$ud_box" "?" --then wait-text --hwnd "$ud_box" abc --then); done
expect_eq "$(drv "${ticks[@]}" idle --hwnd "$main" --then boxes --caption "$APP_TITLE")" "$report" \
  "reports open after three more ticks"

# The up-down value was never good, so it is still 0; the left-right one is live.
expect_keys "$(layout_typed "$main" "$photoshop_window" "$log")" "$(expected_keys OneInchNine 120 0)" \
  "1寸9张 typed while the report is open"

expect_eq "$(drv box --caption "$APP_TITLE" --ok click --then box --caption "$APP_TITLE" \
  --then idle --hwnd "$main" --then boxes --caption "$APP_TITLE")" "$report"$'\n'"$report"$'\n'"$report" \
  "the report closed, the next tick's report, and the reports open then"
