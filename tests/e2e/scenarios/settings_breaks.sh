#!/usr/bin/env bash
# Settings files of every shape load without harm:
#   lines      a missing line fails the refresh, which reports it at every tick
#              until the defaults are restored; lone LF and lone CR break lines
#              like CR LF and the next write makes them CR LF; lines beyond the
#              second survive every write
#   encodings  a byte-order mark or UTF-16 text makes the first line bad, which
#              the refresh reports at every tick until the defaults are restored
#
#   settings_breaks.sh lines|encodings
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../controls_lib.sh"
variant=${1:?lines or encodings}
e2e_begin "$variant"

settings=$scratch/$SETTINGS_NAME
start_target photoshop photoshop_window Photoshop.exe
log=$(target_log Photoshop.exe)

# Each case, fields split by "|":
#   what the file is;
#   its bytes (a printf format);
#   the left-right and up-down boxes after the first refresh ("*": whatever it shows);
#   the text the refresh reports ("none": no report; "*": the left-right box's text);
#   the live values a Ctrl+F lays out "1寸9张" with, meanwhile ("-": not tried);
#   the button pressed then; the file's bytes afterwards.
case $variant in
  lines)
    cases=(
      "empty file|||||-|RESTORE|106\r\n141"
      "one line, no break|106|106|||106 0|RESTORE|106\r\n141"
      "lone LF|120\n90\nthird\n|120|90|none|120 90|LR_PLUS|121\r\n90\r\nthird\r\n"
      "lone CR|120\r90\rthird\r|120|90|none|-|LR_PLUS|121\r\n90\r\nthird\r\n"
      "CR LF and a third line|120\r\n90\r\nthird|120|90|none|-|LR_PLUS|121\r\n90\r\nthird"
    )
    ;;
  encodings)
    cases=(
      "UTF-8 with byte-order mark|\xef\xbb\xbf106\r\n141\r\n|*|141|*|-|RESTORE|106\r\n141\r\n"
      "UTF-16 with byte-order mark|\xff\xfe1\x000\x006\x00\r\x00\n\x001\x004\x001\x00\r\x00\n\x00|*||*|-|RESTORE|106\r\n141\r\n\x001\x004\x001\x00\r\n\x00\r\n\x00"
    )
    ;;
  *) fail "unknown variant $variant" ;;
esac
for case in "${cases[@]}"; do
  IFS='|' read -r what bytes left_right up_down rejected live button after <<<"$case"
  e2e_say "settings file: $what"
  printf "$bytes" >"$settings"
  start_quorlen quorlen
  wait_main_window main
  find_controls "$main"

  if [ "$rejected" = none ]; then
    expect_eq "$(drv wait-text --hwnd "$lr_box" "$left_right" --then idle --hwnd "$main" \
      --then boxes --caption "$APP_TITLE")" "" "reports of the refresh ($what)"
  else
    report=$(drv box --caption "$APP_TITLE")
    shown=$(drv text --hwnd "$lr_box")
    if [ "$rejected" = "*" ]; then
      expected_report="\"'${shown:1:-1}' is not a valid integer value.\""
    else
      expected_report=$(q "$(not_an_integer "$rejected")")
    fi
    expect_eq "$report" "$expected_report" "report of the refresh ($what)"
    # Closed, it comes back at the next tick.
    expect_eq "$(drv box --caption "$APP_TITLE" --ok click --then box --caption "$APP_TITLE")" \
      "$report"$'\n'"$report" "report before and after a tick ($what)"
  fi
  [ "$left_right" = "*" ] || expect_eq "$(drv text --hwnd "$lr_box")" "$(q "$left_right")" "left-right box ($what)"
  [ "$up_down" = "*" ] || expect_eq "$(drv text --hwnd "$ud_box")" "$(q "$up_down")" "up-down box ($what)"

  if [ "$live" != - ]; then
    read -r h v <<<"$live"
    expect_keys "$(layout_typed "$main" "$photoshop_window" "$log")" "$(expected_keys OneInchNine "$h" "$v")" \
      "1寸9张 typed with the file's values ($what)"
  fi

  point="$button[@]"
  if [ "$rejected" = none ]; then
    drv click-held --hwnd "$group" "${!point}"
  else
    click_between_reports "$group" "${!point}"
  fi
  wait_bytes "$settings" "$after" "settings file after $button ($what)"
  # The next refresh takes the new values without a report.
  expect_eq "$(wait_refresh "$lr_box" "$(sed -n '1s/\r$//p' "$settings")" &&
    drv idle --hwnd "$main" --then boxes --caption "$APP_TITLE")" "" "reports after $button ($what)"
  close_quorlen
done
