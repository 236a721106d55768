#!/usr/bin/env bash
# A second start while quorlen runs is turned away with the "错误" message and ends
# with exit code 0 after OK; the first instance keeps running with its hotkey.
source "$(dirname "$0")/../lib.sh"
e2e_begin

settings=$scratch/配置文件.txt
touch -d '2001-01-01 00:00:00' "$settings"
stamp_before=$(stat -c %Y "$settings")
start_target photoshop photoshop_window Photoshop.exe
start_quorlen first
wait_main_window main

start_quorlen second
text=$(drv box --caption "错误" --ok click)
expect_eq "$text" "\"程序已在运行中\\r\\r不能运行多个\\r\\r问题反馈：$E2E_SHOP_ADDRESS\"" "text of the duplicate-start message"
wait_exit "$second"
expect_eq "$exit_code" 0 "exit code of the second start"

alive "$first" || fail "the first instance ended"
expect_eq "$(drv wait-window --title "$APP_TITLE" --class "$APP_CLASS")" "$main" "main window of the first instance"
expect_eq "$(stat -c %Y "$settings")" "$stamp_before" "time stamp of the settings file after the second start"
expect_bytes "$settings" '106\r\n141\r\n' "settings file after the second start"

# The first instance still holds Ctrl+F: pressed in Photoshop, it types the layout.
log=$(target_log Photoshop.exe)
drv front --hwnd "$photoshop_window" --then keys ctrl+f
wait_for_line "$log" "down 30"
drv idle --hwnd "$main"
sync_target "$log" "$photoshop_window"
typed=$(log_between "$log" "$CTRL_F_LINES" "$MARKER_LINES")
expect_eq "$(head -n 10 <<<"$typed")" "$PROLOGUE_LINES" "first keys typed into Photoshop"
expect_eq "$(drv box-count --caption "$APP_TITLE")" 0 "message boxes of quorlen"
