#!/usr/bin/env bash
# A click on a label, a picture, a group box's caption or body, or the status line
# does nothing: the settings file, the child windows and their texts, the focus and
# the client area's picture (check marks included) stay as they were, no box or other
# window opens, and the window stays in front.
source "$(dirname "$0")/../lib.sh"
e2e_begin

# X Y WHAT: points of the client area at 96 DPI, on what is clicked and clear of
# the controls beside it.
readonly POINTS=(
  "50 170 the label 恢复默认设置"
  "50 103 the label 左右间距调整"
  "50 134 the label 上下间距调整"
  "45 70 the label 左右间距"
  "185 70 the label 上下间距"
  "293 100 the background picture"
  "355 76 the code picture"
  "355 140 the banner picture"
  "212 14 the advert strip's caption"
  "145 40 the usage group's caption"
  "200 175 the usage group's body"
  "200 205 the status line"
)

settings=$scratch/配置文件.txt
touch -d '2001-01-01 00:00:00' "$settings"
stamp=$(stat -c %Y "$settings")

# The window opens away from the mouse, so nothing in it shows its look under the mouse.
drv mouse-to 0 0
start_quorlen quorlen
wait_main_window main
drv front --hwnd "$main"

# What a click must not change, but for the picture: the child windows with their
# texts, the foreground window and the focus, the top-level windows, the boxes.
state=(tree --hwnd "$main" --then foreground --then top-windows --then box-count --caption "$APP_TITLE")

# The picture before, once it has settled (two in a row alike).
before=$scratch/before.png
deadline=$((SECONDS + 10))
until drv shot-client "$(winpath "$scratch/settling.png")" --hwnd "$main" --then \
    shot-client "$(winpath "$before")" --hwnd "$main" --then \
    compare "$(winpath "$scratch/settling.png")" "$(winpath "$before")" >/dev/null 2>&1; do
  [ $SECONDS -lt $deadline ] || fail "the client area did not settle"
done
drv "${state[@]}" >"$scratch/state.before"
expect_eq "$(tail -n 1 "$scratch/state.before")" 0 "message boxes at start"

for point in "${POINTS[@]}"; do
  read -r x y what <<<"$point"
  drv click --hwnd "$main" "$x" "$y" --then idle --hwnd "$main" --then "${state[@]}" --then \
    shot-client "$(winpath "$scratch/after.png")" --hwnd "$main" >"$scratch/state.after"
  diff "$scratch/state.before" "$scratch/state.after" >"$scratch/state.diff" ||
    fail "a click on $what changed windows, texts, the focus or the boxes:"$'\n'"$(cat "$scratch/state.diff")"
  drv compare "$(winpath "$before")" "$(winpath "$scratch/after.png")" >/dev/null ||
    fail "a click on $what changed the client area's picture; see $scratch/after.png"
  expect_eq "$(stat -c %Y "$settings")" "$stamp" "time stamp of the settings file after a click on $what"
  expect_bytes "$settings" '106\r\n141\r\n' "settings file after a click on $what"
done
