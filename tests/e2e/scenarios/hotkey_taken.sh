#!/usr/bin/env bash
# With Ctrl+F held by another program, start-up shows "热键已被占用" and the window
# runs on without the hotkey: Ctrl+F in Photoshop goes to the other program.
source "$(dirname "$0")/../lib.sh"
e2e_begin

start_program holder "$E2E_DRIVER" --out "$(winpath "$scratch/holder.out")" \
  hold-hotkey ctrl+f --ready "$(winpath "$scratch/holder.ready")"
wait_for_line "$scratch/holder.ready" registered

start_target photoshop photoshop_window Photoshop.exe
start_quorlen quorlen
text=$(drv box --caption "$APP_TITLE" --ok click)
expect_eq "$text" '"热键已被占用"' "start-up message"
wait_main_window main
alive "$quorlen" || fail "quorlen ended after the message"

log=$(target_log Photoshop.exe)
drv front --hwnd "$photoshop_window" --then keys ctrl+f
wait_for_line "$scratch/holder.out" hotkey
drv idle --hwnd "$main"
sync_target "$log" "$photoshop_window"
expect_eq "$(log_between "$log" "$CTRL_F_LINES" "$MARKER_LINES")" "" "keys typed into Photoshop"
expect_eq "$(drv box-count --caption "$APP_TITLE")" 0 "message boxes of quorlen"
alive "$quorlen" || fail "quorlen ended"
