#!/usr/bin/env bash
# A settings file that cannot be written, read or made sense of is reported and
# the window carries on:
#   read_only     steps and the close report "Cannot create file"; the window
#                 stays open, "退出" ends the program, the file keeps its bytes
#   held_open     another program holds the file without sharing at start:
#                 "Cannot open file", and no hotkey
#   held_at_write another program holds the file without sharing while a step and
#                 a close write it: "Cannot create file", the file keeps its bytes
#                 and the window stays open; once it is let go, closing writes it
#   folder        a folder of the file's name counts as no file; closing cannot
#                 create the file and the window stays open
#   random_bytes  a megabyte of random bytes loads, the refresh reports it, the
#                 window keeps answering and closing writes it back with CR LF breaks
#
#   settings_access.sh read_only|held_open|held_at_write|folder|random_bytes
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../controls_lib.sh"
variant=${1:?read_only, held_open, held_at_write, folder or random_bytes}
e2e_begin "$variant"

settings=$scratch/$SETTINGS_NAME
readonly ERROR_ACCESS_DENIED=5 ERROR_SHARING_VIOLATION=32

start_and_find_controls() {
  start_quorlen quorlen
  wait_main_window main
  find_controls "$main"
}

case $variant in
  read_only)
    # As root only the read-only attribute stops a write; Wine shows a file
    # without write permission as read-only.
    chmod a-w "$settings"
    start_and_find_controls
    cannot_create=$(q "$(file_report "Cannot create file" $ERROR_ACCESS_DENIED)")
    expect_eq "$(drv click-held --hwnd "$group" "${LR_PLUS[@]}" --then box --caption "$APP_TITLE" --ok click)" \
      "$cannot_create" "report of + with a read-only settings file"
    expect_eq "$(drv text --hwnd "$lr_box")" '"107"' "left-right box after + with a read-only settings file"
    expect_eq "$(drv post --hwnd "$main" "$WM_CLOSE" 0 0 --then box --caption "$APP_TITLE" --ok click)" \
      "$cannot_create" "report of closing with a read-only settings file"
    expect_eq "$(drv idle --hwnd "$main" --then hotkey-check ctrl+f)" taken "Ctrl+F after the failed close"
    alive "$quorlen" || fail "quorlen ended after the failed close"
    drv click-held --hwnd "$main" "${EXIT_BUTTON[@]}"
    wait_exit "$quorlen"
    expect_eq "$exit_code" 0 "exit code after 退出"
    expect_bytes "$settings" '106\r\n141\r\n' "read-only settings file at the end"
    ;;

  held_open)
    start_program holder "$E2E_DRIVER" --out "$(winpath "$scratch/holder.out")" hold-file "$(winpath "$settings")"
    wait_for_line "$scratch/holder.out" held
    start_target photoshop photoshop_window Photoshop.exe
    start_quorlen quorlen
    # The store stays empty, so the first refresh adds its report to the one of the load.
    cannot_open=$(file_report "Cannot open file" $ERROR_SHARING_VIOLATION)
    expect_eq "$(drv boxes --caption "$APP_TITLE" --count 2)" "$(q "$(not_an_integer "")")"$'\n'"$(q "$cannot_open")" \
      "reports with the settings file held open"
    expect_eq "$(drv hotkey-check ctrl+f)" free "Ctrl+F with the settings file held open"
    # Without the hotkey the whole chord reaches Photoshop, and nothing else does.
    log=$(target_log Photoshop.exe)
    drv front --hwnd "$photoshop_window" --then keys ctrl+f
    sync_target "$log" "$photoshop_window"
    expect_eq "$(cat "$log")" $'down 11\ndown 46\nup 46\nup 11\n'"$MARKER_LINES" "keys Photoshop got"
    # The window shows once both reports are closed, and then works without the
    # hotkey. The second is closed with a message to its OK button: when one of two
    # stacked boxes closes, Wine may raise the window above the other.
    expect_eq "$(drv close-box --caption "$APP_TITLE" --text "$cannot_open" --then box --caption "$APP_TITLE" --ok message)" \
      "$(q "$(not_an_integer "")")" "the report left after closing the one of the load"
    wait_main_window main
    expect_eq "$(drv hotkey-check ctrl+f)" free "Ctrl+F once the window shows"
    ;;

  held_at_write)
    start_and_find_controls
    start_program holder "$E2E_DRIVER" --out "$(winpath "$scratch/holder.out")" hold-file "$(winpath "$settings")"
    wait_for_line "$scratch/holder.out" held
    cannot_create=$(q "$(file_report "Cannot create file" $ERROR_SHARING_VIOLATION)")
    expect_eq "$(drv click-held --hwnd "$group" "${LR_PLUS[@]}" --then box --caption "$APP_TITLE" --ok click)" \
      "$cannot_create" "report of + with the settings file held open"
    # The store took the step all the same, so the refresh keeps it.
    wait_refresh "$lr_box" 107
    expect_eq "$(drv post --hwnd "$main" "$WM_CLOSE" 0 0 --then box --caption "$APP_TITLE" --ok click)" \
      "$cannot_create" "report of closing with the settings file held open"
    alive "$quorlen" || fail "quorlen ended after the failed close"
    expect_bytes "$settings" '106\r\n141\r\n' "settings file while held open"
    stop_program "$holder"
    close_quorlen
    expect_bytes "$settings" '107\r\n141\r\n' "settings file after closing once it is let go"
    # Our own temporary files are gone; Wine's ReplaceFileW leaves an empty rf*.tmp
    # of its own behind each time it fails.
    leftovers=$(cd "$scratch" && ls -- *.tmp 2>/dev/null | grep -v '^rf' || true)
    expect_eq "$leftovers" "" "temporary files left beside the settings file"
    ;;

  folder)
    rm "$settings"
    mkdir "$settings"
    start_and_find_controls
    expect_eq "$(drv box --caption "$APP_TITLE")" "$(q "$(not_an_integer "")")" "report of the refresh without a file"
    expect_eq "$(drv text --hwnd "$lr_box" --then text --hwnd "$ud_box")" $'""\n""' "spacing boxes without a file"
    cannot_create=$(file_report "Cannot create file" $ERROR_ACCESS_DENIED)
    drv post --hwnd "$main" "$WM_CLOSE" 0 0
    expect_eq "$(drv boxes --caption "$APP_TITLE" --count 2)" "$(q "$(not_an_integer "")")"$'\n'"$(q "$cannot_create")" \
      "reports of closing with a folder in the file's place"
    drv close-box --caption "$APP_TITLE" --text "$cannot_create"
    alive "$quorlen" || fail "quorlen ended after the failed close"
    click_between_reports "$main" "${EXIT_BUTTON[@]}"
    wait_exit "$quorlen"
    expect_eq "$exit_code" 0 "exit code after 退出"
    [ -d "$settings" ] || fail "the folder in the settings file's place is gone"
    ;;

  random_bytes)
    python3 -c 'import random, sys; random.seed(20240601); sys.stdout.buffer.write(random.randbytes(1 << 20))' \
      >"$settings"
    python3 -c 'import re, sys; sys.stdout.buffer.write(re.sub(rb"\r\n|\r|\n", b"\r\n", sys.stdin.buffer.read()))' \
      <"$settings" >"$scratch/crlf.bin"
    start_and_find_controls
    report=$(drv box --caption "$APP_TITLE")
    shown=$(drv text --hwnd "$lr_box")
    expect_eq "$report" "\"'${shown:1:-1}' is not a valid integer value.\"" "report of the refresh"
    expect_eq "$(drv box --caption "$APP_TITLE" --ok click --then box --caption "$APP_TITLE" --ok click \
      --then idle --hwnd "$main" --then text --hwnd "$lr_box")" "$report"$'\n'"$report"$'\n'"$shown" \
      "reports of two ticks and the left-right box"
    close_quorlen
    expect_eq "$exit_code" 0 "exit code after closing"
    cmp -s "$settings" "$scratch/crlf.bin" || fail "closing did not write back the bytes with CR LF line breaks"
    ;;

  *) fail "unknown variant $variant" ;;
esac
