#!/usr/bin/env bash
# The release zip, unpacked into a folder of its own and started from there, comes
# up without any message and lays out "1寸9张" into Photoshop with the default
# spacing it ships with.
source "$(dirname "$0")/../lib.sh"
e2e_begin
: "${E2E_PACKAGE:?E2E_PACKAGE must name the release zip}"

package=$scratch/package
python3 -m zipfile -e "$E2E_PACKAGE" "$package"
start_program quorlen "$package/quorlen.exe"
wait_main_window main
start_target photoshop photoshop_window Photoshop.exe
log=$(target_log Photoshop.exe)

# The spacing values go live with the first refresh, a second after start; until
# then a layout is typed with spacing 0. So press Ctrl+F until a layout arrives
# with the shipped spacing (2586 key actions for nine photos at 106 and 141).
readonly FULL_LAYOUT_ACTIONS=2586
deadline=$((SECONDS + 10))
while :; do
  : >"$log"
  drv front --hwnd "$photoshop_window" --then keys ctrl+f --then idle --hwnd "$main" >/dev/null
  sync_target "$log" "$photoshop_window"
  typed=$(log_between "$log" "$CTRL_F_LINES" "$MARKER_LINES")
  actions=$(grep -c . <<<"$typed")
  [ "$actions" != "$FULL_LAYOUT_ACTIONS" ] || break
  [ $SECONDS -lt $deadline ] || fail "Ctrl+F typed $actions key actions, never $FULL_LAYOUT_ACTIONS"
done

expect_eq "$(head -n 10 <<<"$typed")" "$PROLOGUE_LINES" "first keys typed into Photoshop"
keys_balanced "$typed" || fail "a key typed into Photoshop was left down or released twice"
expect_eq "$(grep -c -xF 'up 4a' <<<"$typed")" 8 "Ctrl+J copies for nine photos"
expect_eq "$(drv box-count --caption "$APP_TITLE" --then box-count --caption 错误)" $'0\n0' "message boxes of quorlen"
