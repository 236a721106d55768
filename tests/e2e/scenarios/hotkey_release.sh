#!/usr/bin/env bash
# Both ways out give Ctrl+F back and remove the "userdefinehotkey" atom; closing the
# window writes the settings file, "退出" does not.
#   hotkey_release.sh close|exit
source "$(dirname "$0")/../lib.sh"
way_out=${1:?close or exit}
e2e_begin "$way_out"

readonly EXIT_BUTTON_CENTRE=(394 176)  # "退出": 51x26 at 369,163 of the client area
settings=$scratch/配置文件.txt
touch -d '2001-01-01 00:00:00' "$settings"
stamp_before=$(stat -c %Y "$settings")

start_quorlen quorlen
wait_main_window main
read -r _ _ width height <<<"$(drv client --hwnd "$main")"
expect_eq "$width x $height" "422 x 216" "client area of the main window"
expect_eq "$(drv atom userdefinehotkey --then hotkey-check ctrl+f)" $'present\ntaken' "atom and Ctrl+F while running"

case $way_out in
  close) drv post --hwnd "$main" "$WM_CLOSE" 0 0 ;;
  exit) drv front --hwnd "$main" --then click --hwnd "$main" "${EXIT_BUTTON_CENTRE[@]}" ;;
  *) fail "unknown way out $way_out" ;;
esac
wait_exit "$quorlen"
expect_eq "$exit_code" 0 "exit code"
expect_eq "$(drv atom userdefinehotkey --then hotkey-check ctrl+f)" $'absent\nfree' "atom and Ctrl+F after the end"

expect_bytes "$settings" '106\r\n141\r\n' "settings file"
if [ "$way_out" = close ]; then
  [ "$(stat -c %Y "$settings")" != "$stamp_before" ] || fail "closing the window did not write the settings file"
else
  expect_eq "$(stat -c %Y "$settings")" "$stamp_before" "time stamp of the settings file after 退出"
fi
