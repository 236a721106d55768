#!/usr/bin/env bash
# A damaged stored skin is reported at start with the error report, and the
# program goes on: the window opens with the system's frame around the same
# client area, plainly drawn, and closes as usual.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../skin_lib.sh"
e2e_begin

printf 'this is no zlib stream' >"$scratch/damaged_skin.bin"
drv replace-resource "$(winpath "$scratch/quorlen.exe")" SKIN "$(winpath "$scratch/damaged_skin.bin")"
settings=$scratch/配置文件.txt
touch -d '2001-01-01 00:00:00' "$settings"
stamp_before=$(stat -c %Y "$settings")

start_quorlen quorlen
text=$(drv box --caption "$APP_TITLE" --ok click)
expect_eq "$text" '"The stored skin is damaged: its zlib data is corrupt."' "start-up error report"
wait_main_window main
read -r _ _ client_width client_height <<<"$(drv client --hwnd "$main")"
expect_eq "$client_width x $client_height" "422 x 216" "client area of the window without its skin"
# The system's caption, not the skin's green one.
for colour in "$BRIGHT_GREEN" "$GREEN"; do
  drv wait-colour --hwnd "$main" "${CAPTION_TEXT_AREA[@]}" "$colour" --max 0 >/dev/null ||
    fail "the caption shows the skin's colour $colour"
done
drv shot "$(winpath "$scratch/plain.png")" --hwnd "$main"

drv post --hwnd "$main" "$WM_CLOSE" 0 0
wait_exit "$quorlen"
expect_eq "$exit_code" 0 "exit code"
[ "$(stat -c %Y "$settings")" != "$stamp_before" ] || fail "closing the window did not write the settings file"
