#!/usr/bin/env bash
# The frame and the controls as the skin draws them. The caption text is bright
# green (65280) while the window is active and green (32768) while it is not; the
# caption buttons, push buttons and check boxes take their active look under the
# mouse and lose it when the mouse leaves. The whole window, active and inactive,
# matches the reference pictures in tests/e2e/reference.
#
# E2E_UPDATE_REFERENCES=1 writes the pictures of this run as the new references.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../skin_lib.sh"
e2e_begin

reference_dir=$(cd "$(dirname "$0")/../reference" && pwd)

# The close button's outline and the 退出 button's outline: green, and bright
# green under the mouse (the close button's glyph is bright green either way).
readonly CLOSE_BUTTON_AREA=(412 7 16 16)
readonly EXIT_BUTTON_AREA=(376 193 51 26)  # 退出 at 369,163 of the client area
readonly EXIT_BUTTON=(401 206)
# The mark of 2寸6张, unchecked: its outline is bright green under the mouse.
readonly CHECK_MARK_AREA=(217 195 15 15)  # the box at 206,131 of the group box at 4,29
readonly CHECK_BOX=(280 202)

# expect_colour_count WHAT AREA... COLOUR --min|--max N: waits until the area shows
# that many pixels of the colour; the fades take a moment.
expect_colour_count() {
  local what=$1
  shift
  drv wait-colour --hwnd "$main" "$@" >/dev/null || fail "$what"
}

# expect_like_reference NAME: the window's picture matches reference NAME.png, once
# any fade has ended. Small differences in the edges of letters are allowed.
expect_like_reference() {
  local shot=$scratch/$1.png reference=$reference_dir/$1.png deadline=$((SECONDS + 10))
  if [ "${E2E_UPDATE_REFERENCES:-0}" = 1 ]; then
    drv shot "$(winpath "$reference")" --hwnd "$main"
    e2e_say "wrote $reference"
    return
  fi
  [ -f "$reference" ] || fail "no reference picture $reference"
  local compare=(compare "$(winpath "$shot")" "$(winpath "$reference")" --tolerance 24 --max-pixels 150)
  until drv shot "$(winpath "$shot")" --hwnd "$main" --then "${compare[@]}" >/dev/null 2>&1; do
    if [ $SECONDS -ge $deadline ]; then
      drv "${compare[@]}" || fail "the window does not look like $reference; see $shot"
    fi
    sleep 0.2
  done
}

# expect_active_under_mouse WHAT X Y AREA...: with the mouse at X Y, AREA shows at
# least 40 more bright green pixels than without; after the mouse leaves, no more.
expect_active_under_mouse() {
  local what=$1 x=$2 y=$3 before
  shift 3
  before=$(drv wait-colour --hwnd "$main" "$@" "$BRIGHT_GREEN")
  drv frame-hover --hwnd "$main" "$x" "$y"
  expect_colour_count "$what bright under the mouse" "$@" "$BRIGHT_GREEN" --min $((before + 40))
  mouse_off_window "$main"
  expect_colour_count "$what back to normal" "$@" "$BRIGHT_GREEN" --max "$before"
}

start_quorlen quorlen
wait_main_window main
drv front --hwnd "$main"
mouse_off_window "$main"

expect_colour_count "bright green caption text of the active window" \
  "${CAPTION_TEXT_AREA[@]}" "$BRIGHT_GREEN" --min 50
expect_colour_count "no green caption text on the active window" "${CAPTION_TEXT_AREA[@]}" "$GREEN" --max 0
expect_like_reference frame_active

# Under the mouse and after it.
expect_active_under_mouse "the close button" "${CLOSE_BUTTON[@]}" "${CLOSE_BUTTON_AREA[@]}"
expect_active_under_mouse "the 退出 button" "${EXIT_BUTTON[@]}" "${EXIT_BUTTON_AREA[@]}"
expect_active_under_mouse "the mark of 2寸6张" "${CHECK_BOX[@]}" "${CHECK_MARK_AREA[@]}"

# Another program in front, clear of the window.
start_target other other_window Other.exe
drv move --hwnd "$other_window" 760 0
expect_colour_count "green caption text of the inactive window" "${CAPTION_TEXT_AREA[@]}" "$GREEN" --min 50
expect_colour_count "no bright green caption text on the inactive window" \
  "${CAPTION_TEXT_AREA[@]}" "$BRIGHT_GREEN" --max 0
expect_like_reference frame_inactive

drv front --hwnd "$main"
expect_colour_count "bright green caption text when the window is active again" \
  "${CAPTION_TEXT_AREA[@]}" "$BRIGHT_GREEN" --min 50
