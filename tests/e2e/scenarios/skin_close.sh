#!/usr/bin/env bash
# Every way the frame closes the window runs the close handling: the settings file
# is written and Ctrl+F given back, and the program ends with exit code 0.
#   skin_close.sh system_menu_double_click|close_button|menu|alt_f4
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../skin_lib.sh"
way=${1:?a way to close the window}
e2e_begin "$way"

settings=$scratch/配置文件.txt
touch -d '2001-01-01 00:00:00' "$settings"
stamp_before=$(stat -c %Y "$settings")

start_quorlen quorlen
wait_main_window main
expect_eq "$(drv hotkey-check ctrl+f)" taken "Ctrl+F while running"

case $way in
  system_menu_double_click) drv frame-click --hwnd "$main" "${SYSTEM_MENU_BUTTON[@]}" --double ;;
  close_button) drv frame-click --hwnd "$main" "${CLOSE_BUTTON[@]}" ;;
  menu)
    drv frame-click --hwnd "$main" "${SYSTEM_MENU_BUTTON[@]}"
    wait_menu menu
    expect_eq "$(menu_items "$menu" | tail -n 1)" '"&Close\tAlt+F4"' "last item of the menu"
    click_menu_item "$menu" 5
    ;;
  alt_f4) drv front --hwnd "$main" --then keys alt+f4 ;;
  *) fail "unknown way $way" ;;
esac
wait_exit "$quorlen"
expect_eq "$exit_code" 0 "exit code"
expect_eq "$(drv hotkey-check ctrl+f)" free "Ctrl+F after the end"
[ "$(stat -c %Y "$settings")" != "$stamp_before" ] || fail "closing the window did not write the settings file"
expect_eq "$(od -An -c "$settings" | tr -s ' ')" "$(printf '106\r\n141\r\n' | od -An -c | tr -s ' ')" "settings file"
