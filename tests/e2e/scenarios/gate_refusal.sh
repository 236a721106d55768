#!/usr/bin/env bash
# Ctrl+F with anything but "Photoshop.exe" in front - a Photoshop started from
# another file name, another program, quorlen's own window - shows the refusal box
# and types nothing.
source "$(dirname "$0")/../lib.sh"
e2e_begin

readonly REFUSAL='"请切换到Photoshop窗口在使用！"'

start_quorlen quorlen
wait_main_window main

# press_ctrl_f_expecting_refusal WINDOW WHAT: Ctrl+F with WINDOW in front.
press_ctrl_f_expecting_refusal() {
  local text
  text=$(drv front --hwnd "$1" --then keys ctrl+f --then box --caption "$APP_TITLE" --ok click)
  expect_eq "$text" "$REFUSAL" "message for Ctrl+F in $2"
  expect_eq "$(drv idle --hwnd "$main" --then box-count --caption "$APP_TITLE")" 0 "message boxes left open"
}

for name in photoshop.exe Other.exe; do
  start_target target target_window "$name"
  log=$(target_log "$name")
  press_ctrl_f_expecting_refusal "$target_window" "$name"
  sync_target "$log" "$target_window"
  expect_eq "$(log_between "$log" "$CTRL_F_LINES" "$MARKER_LINES")" "" "keys typed into $name"
  stop_program "$target"
done

start_target photoshop photoshop_window Photoshop.exe
log=$(target_log Photoshop.exe)
press_ctrl_f_expecting_refusal "$main" "quorlen's own window"
sync_target "$log" "$photoshop_window"
expect_eq "$(cat "$log")" "$MARKER_LINES" "keys typed into Photoshop behind quorlen's window"
