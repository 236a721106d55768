#!/usr/bin/env bash
# "进入淘宝店" asks the system to open the shop address with the program registered
# for web addresses: a recorder registered in the browser's place is started with
# exactly that address. With no program registered, nothing visible happens. Either
# way no box or other window opens and the window stays as it was; with nothing to
# start, it also stays in front with the focus where it was.
source "$(dirname "$0")/../lib.sh"
e2e_begin

readonly SHOP_BUTTON_CENTRE=(327 176)  # "进入淘宝店": 73x26 at 291,163 of the client area
# Wine 8 takes the program for a scheme from the machine's classes only (a user's own
# under HKCU\Software\Classes go unseen), so the machine's entry is replaced for the
# scenario and put back from an export however it ends.
readonly OPEN_COMMAND="HKLM\\Software\\Classes\\${E2E_SHOP_ADDRESS%%:*}\\shell\\open\\command"
saved_command=$scratch/open_command.reg
opened=$scratch/opened.txt

# reg_run ARGS...: Wine's reg.exe, its output in the scratch folder (never a pipe).
reg_run() { wine reg "$@" >"$scratch/reg.out" 2>>"$scratch/wine.log" </dev/null; }
reg_run export "$OPEN_COMMAND" "$(winpath "$saved_command")" /y || fail "cannot export $OPEN_COMMAND"
restore_open_command() {
  reg_run import "$(winpath "$saved_command")" || e2e_say "could not put $OPEN_COMMAND back; see $scratch/reg.out"
}
trap 'status=$?; restore_open_command; (exit $status); e2e_end' EXIT

start_quorlen quorlen
wait_main_window main
drv front --hwnd "$main"

# What a click must leave as it was: the child windows with their texts, the
# top-level windows, the boxes.
state=(tree --hwnd "$main" --then top-windows --then box-count --caption "$APP_TITLE")
drv "${state[@]}" >"$scratch/state.before"
expect_eq "$(tail -n 1 "$scratch/state.before")" 0 "message boxes at start"

# expect_unchanged WHAT: the state is as before once the recorder has ended: the
# system gives the console program a console window while it runs.
expect_unchanged() {
  local deadline=$((SECONDS + 10))
  until drv "${state[@]}" >"$scratch/state.after" && cmp -s "$scratch/state.before" "$scratch/state.after"; do
    [ $SECONDS -lt $deadline ] || fail "the shop button with $1 changed windows, texts or the boxes:"$'\n'"$(
      diff "$scratch/state.before" "$scratch/state.after")"
    sleep 0.2
  done
}
click_shop() { drv click --hwnd "$main" "${SHOP_BUTTON_CENTRE[@]}" --then idle --hwnd "$main"; }

# The recorder: the driver, printing its arguments into a file.
reg_run add "$OPEN_COMMAND" /ve /d "\"$(winpath "$E2E_DRIVER")\" --out \"$(winpath "$opened")\" echo \"%1\"" /f
click_shop
wait_for_line "$opened" "$E2E_SHOP_ADDRESS"
expect_eq "$(cat "$opened")" "$E2E_SHOP_ADDRESS" "what the shell was asked to open"
expect_unchanged "a recorder registered"

# Nothing registered: the shell finds no program, and nothing shows. (The recorder,
# a console program, took the foreground with it when it ended.)
reg_run delete "$OPEN_COMMAND" /ve /f
drv front --hwnd "$main"
foreground=$(drv foreground)
click_shop
expect_unchanged "no program registered"
expect_eq "$(drv foreground)" "$foreground" "foreground window and focus after the shop button with no program registered"
