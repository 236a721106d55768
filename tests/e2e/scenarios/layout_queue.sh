#!/usr/bin/env bash
# A Ctrl+F pressed while a layout is being typed waits until the layout is sent:
# Photoshop then gets the whole layout twice, one after the other. The keys of the
# second Ctrl+F itself land among those of the first layout, as a user's would.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../controls_lib.sh"
e2e_begin

# A longer layout than with the defaults leaves a wide window for the second Ctrl+F.
printf '300\r\n300\r\n' >"$scratch/$SETTINGS_NAME"
start_beside_photoshop
wait_refresh "$lr_box" 300

layout=$(expected_keys OneInchNine 300 300)
actions=$(count_lines "$layout")
# The second Ctrl+F goes out once Photoshop has logged the first one and the
# prologue; the layout's key presses are then still being sent.
lines_before_second=$((3 + 10))
drv front --hwnd "$photoshop_window" --then keys ctrl+f \
  --then wait-lines "$(winpath "$log")" "$lines_before_second" --then keys ctrl+f \
  --then idle --hwnd "$main" --timeout 60000 \
  --then wait-lines "$(winpath "$log")" $((3 + 2 * actions + 3)) --timeout 60000
sync_target "$log" "$photoshop_window"
typed=$(log_between "$log" "$CTRL_F_LINES" "$MARKER_LINES")

# Takes the lines of the second Ctrl+F (Ctrl down, F up, Ctrl up; the F press went
# to quorlen as the hotkey) out of what Photoshop got, where they fit in, and
# prints how many layout actions came before the F release; "mismatch N" when
# line N fits nowhere, "short" when the layouts ended early.
woven=$(awk '
  BEGIN { split("down 11|up 46|up 11", chord, "|") }
  NR == FNR { expected[++n] = $0; next }
  j < n && $0 == expected[j + 1] { j++; next }
  k < 3 && $0 == chord[k + 1] { if (++k == 2) released = j; next }
  { print "mismatch " FNR; failed = 1; exit }
  END { if (!failed) print (j == n && k == 3) ? released : "short" }
' <(printf '%s\n%s\n' "$layout" "$layout") <(printf '%s\n' "$typed"))

case $woven in
  mismatch* | short) fail "Photoshop did not get the layout twice in a row around the second Ctrl+F: $woven" ;;
esac
[ "$woven" -lt "$actions" ] ||
  fail "the second Ctrl+F reached Photoshop after the first layout (after action $woven of $actions)"
e2e_say "the second Ctrl+F came after action $woven of the first layout's $actions"
expect_eq "$(drv box-count --caption "$APP_TITLE")" 0 "message boxes of quorlen"
