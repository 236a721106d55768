#!/usr/bin/env bash
# Ctrl+F with "Photoshop.exe" in front types the layout into it and shows no box.
source "$(dirname "$0")/../lib.sh"
e2e_begin

start_quorlen quorlen
wait_main_window main
start_target photoshop photoshop_window Photoshop.exe
log=$(target_log Photoshop.exe)

drv keys ctrl+f
wait_for_line "$log" "down 30"
drv idle --hwnd "$main"
sync_target "$log" "$photoshop_window"

typed=$(log_between "$log" "$CTRL_F_LINES" "$MARKER_LINES")
expect_eq "$(head -n 10 <<<"$typed")" "$PROLOGUE_LINES" "first keys typed into Photoshop"
keys_balanced "$typed" || fail "a key typed into Photoshop was left down or released twice"
expect_eq "$(drv box-count --caption "$APP_TITLE")" 0 "message boxes of quorlen"
