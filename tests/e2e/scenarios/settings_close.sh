#!/usr/bin/env bash
# Closing the window writes the settings store into the file, whatever the file
# holds by then, and with no file at start it leaves an empty one; "退出" writes
# nothing, so a file changed meanwhile keeps the change and a missing one stays missing.
#   settings_close.sh close|exit
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../controls_lib.sh"
way_out=${1:?close or exit}
e2e_begin "$way_out"

settings=$scratch/$SETTINGS_NAME

# Each case: the file at start (or "none"), then the file after the way out for
# each way (or "none"). Another program overwrites the file while quorlen runs.
cases=(
  "120\r\n90\r\n|120\r\n90\r\n|999\r\n"
  "none||none"
)
for case in "${cases[@]}"; do
  IFS='|' read -r at_start after_close after_exit <<<"$case"
  rm -f "$settings"
  [ "$at_start" = none ] || printf "$at_start" >"$settings"

  start_quorlen quorlen
  wait_main_window main
  [ "$at_start" = none ] || printf '999\r\n' >"$settings"
  case $way_out in
    close)
      drv post --hwnd "$main" "$WM_CLOSE" 0 0
      expected=$after_close
      ;;
    exit)
      # Without a file every refresh reports the empty line.
      if [ "$at_start" = none ]; then
        click_between_reports "$main" "${EXIT_BUTTON[@]}"
      else
        drv click-held --hwnd "$main" "${EXIT_BUTTON[@]}"
      fi
      expected=$after_exit
      ;;
    *) fail "unknown way out $way_out" ;;
  esac
  wait_exit "$quorlen"
  expect_eq "$exit_code" 0 "exit code after $way_out with the file [$at_start] at start"
  if [ "$expected" = none ]; then
    [ ! -e "$settings" ] || fail "a settings file after $way_out without one at start"
  else
    expect_bytes "$settings" "$expected" "settings file after $way_out with [$at_start] at start"
  fi
done
