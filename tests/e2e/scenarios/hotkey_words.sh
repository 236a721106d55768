#!/usr/bin/env bash
# A WM_HOTKEY counts only with modifier word 2 and key word 0x46, whatever its
# wParam: other combinations are ignored without a box.
source "$(dirname "$0")/../lib.sh"
e2e_begin

start_quorlen quorlen
wait_main_window main
start_target other other_window Other.exe

bad_lparams=(
  $(((0x46 << 16) | 3))      # Ctrl+Alt+F
  $(((0x46 << 16) | 6))      # Ctrl+Shift+F
  $(((0x46 << 16) | 0xA))    # Ctrl+Win+F
  $((0x46 << 16))            # F alone
  $(((0x47 << 16) | 2))      # Ctrl+G
  $(((0x146 << 16) | 2))     # a key word with more than the F key
  $(((0x46 << 16) | 0x4002)) # a modifier word with more than Ctrl
)
posts=()
for lparam in "${bad_lparams[@]}"; do posts+=(post --hwnd "$main" "$WM_HOTKEY" 0 "$lparam" --then); done
# idle returns once every posted message has been handled, so any box would exist by then.
expect_eq "$(drv "${posts[@]}" idle --hwnd "$main" --then box-count --caption "$APP_TITLE")" 0 \
  "message boxes after hotkey messages for other keys"

# The same words with an unusual wParam pass the key test: Other.exe is in front, so one refusal.
text=$(drv post --hwnd "$main" "$WM_HOTKEY" 0x3fff "$CTRL_F_LPARAM" --then box --caption "$APP_TITLE")
expect_eq "$text" '"请切换到Photoshop窗口在使用！"' "message for a Ctrl+F hotkey message"
expect_eq "$(drv idle --hwnd "$main" --then box-count --caption "$APP_TITLE")" 1 \
  "message boxes after one Ctrl+F hotkey message"
expect_eq "$(drv box --caption "$APP_TITLE" --ok click --then idle --hwnd "$main" --then box-count --caption "$APP_TITLE")" \
  $'"请切换到Photoshop窗口在使用！"\n0' "message boxes after OK"
