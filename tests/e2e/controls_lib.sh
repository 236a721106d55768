# Helpers of the spacing and layout scenarios; source after lib.sh.

# Points of the usage group box, which draws the step buttons itself (they have no
# windows): the middle of each button.
readonly LR_PLUS=(121 73)     # "+" left-right, 33x29 at 105,59
readonly LR_MINUS=(169 73)    # "-" left-right, 33x29 at 153,59
readonly UD_PLUS=(121 105)    # "+" up-down, 33x29 at 105,91
readonly UD_MINUS=(169 105)   # "-" up-down, 33x29 at 153,91
readonly RESTORE=(145 138)    # "恢复默认间距", 81x29 at 105,124
# "退出", 51x26 at 369,163 of the main window's client area.
readonly EXIT_BUTTON=(394 176)
# A point on a layout box's caption, inside the part the group box does not clip.
readonly LAYOUT_BOX_POINT=(30 12)

# The layout boxes in the order the window reads the choice, and the model's name
# of each choice.
readonly LAYOUT_CAPTIONS=("1寸9张" "2寸4张" "1寸12张" "2寸6张")
declare -rA LAYOUT_MODEL=([1寸9张]=OneInchNine [2寸4张]=TwoInchFour [1寸12张]=OneInchTwelve [2寸6张]=TwoInchSix)

readonly SETTINGS_NAME=配置文件.txt

# child_hwnd TREE CLASS TEXT: the handle of the child in the tree output whose class
# is CLASS and whose text matches the pattern TEXT, one a line.
child_hwnd() { sed -n "s/^ *hwnd=\(0x[0-9a-f]*\) class=\"$2\".* text=\"$3\"\$/\1/p" <<<"$1"; }

# find_controls MAIN: sets group (the usage group box), lr_box and ud_box (the
# left-right and up-down spacing boxes) and layout_box[caption] from the window's
# child tree. The left-right box is the first edit box the window creates.
find_controls() {
  local tree caption
  tree=$(drv tree --hwnd "$1")
  group=$(child_hwnd "$tree" TbsSkinGroupBox "使用方法：复制好照片后在新建的模板内按Ctrl+F")
  { read -r lr_box; read -r ud_box; } < <(child_hwnd "$tree" TbsSkinEdit '.*')
  [ -n "$group" ] && [ -n "$lr_box" ] && [ -n "$ud_box" ] || fail "the window lacks the group box or a spacing box"
  declare -gA layout_box=()
  for caption in "${LAYOUT_CAPTIONS[@]}"; do
    layout_box[$caption]=$(child_hwnd "$tree" TbsSkinCheckRadioBox "$caption")
    [ -n "${layout_box[$caption]}" ] || fail "no layout box \"$caption\" in the window"
  done
}

# A text as the driver prints it: in double quotes, with backslash escapes.
q() {
  local text=${1//\\/\\\\}
  text=${text//\"/\\\"}
  text=${text//$'\r'/\\r}
  text=${text//$'\n'/\\n}
  printf '"%s"\n' "$text"
}

# The report of a text that is not an integer.
not_an_integer() { printf "'%s' is not a valid integer value.\n" "$1"; }

# file_report WHAT CODE: the report of a settings file that cannot be created or
# opened (WHAT: "Cannot create file", "Cannot open file") for the system error
# CODE, with the file's path as the program spells it.
file_report() {
  local reason
  reason=$(drv system-error "$2")
  reason=${reason%。}
  printf '%s "%s". %s.\n' "$1" "$(winpath "$scratch/$SETTINGS_NAME")" "${reason%.}"
}

# wait_refresh BOX TEXT: puts a probe text into the spacing box and waits until the
# one-second refresh has put the store's TEXT back. A Ctrl+F after this is laid out
# with the values of that refresh.
wait_refresh() { drv set-text --hwnd "$1" "?" --then wait-text --hwnd "$1" "$2"; }

# wait_bytes FILE FORMAT WHAT: waits until FILE holds exactly the bytes printf
# FORMAT gives, then checks them (with a readable difference on failure).
wait_bytes() {
  local deadline=$((SECONDS + 10))
  # shellcheck disable=SC2059
  until printf -- "$2" | cmp -s - "$1" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || break
    sleep 0.05
  done
  expect_bytes "$1" "$2" "$3"
}

# click_between_reports HWND X Y: clicks a point of quorlen's window while the
# refresh reports a bad store line every second; at most one report may be open.
# The window takes no clicks while a report is open, so the click comes right
# after the report of one tick has been closed, a second ahead of the next.
click_between_reports() {
  drv box --caption "$APP_TITLE" --ok message --then box --caption "$APP_TITLE" --ok message \
    --then click-held --hwnd "$1" "$2" "$3" >/dev/null
}

# close_quorlen: closes the window (main) of the running quorlen (quorlen) as its
# frame's close button does and waits for the end. A report that is open takes
# the close too, in its own message loop.
close_quorlen() {
  drv post --hwnd "$main" "$WM_CLOSE" 0 0
  wait_exit "$quorlen"
}

# --- keys typed into the stand-in ------------------------------------------------

# expected_keys CHOICE HSPACING VSPACING: the keys the program's own macro code
# types for the layout, one action a line in the stand-in's format.
expected_keys() {
  local file=$scratch/expected.keys
  wine "$(dirname "$E2E_DRIVER")/expected_keys.exe" "$@" >"$file" 2>>"$scratch/wine.log" </dev/null ||
    fail "expected_keys.exe $*"
  cat "$file"
}

# typed_since LOG LINES: what the target logged after its first LINES lines, with
# the driver's Ctrl+F in front and the marker key behind cut off.
typed_since() {
  local part=$scratch/typed.log
  tail -n +$(($2 + 1)) "$1" >"$part"
  log_between "$part" "$CTRL_F_LINES" "$MARKER_LINES"
}

# layout_typed MAIN TARGET_WINDOW LOG: Ctrl+F with the target in front; prints the
# keys quorlen typed into it.
layout_typed() {
  local before
  before=$(wc -l <"$3")
  drv front --hwnd "$2" --then keys ctrl+f --then idle --hwnd "$1" --timeout 60000 >/dev/null
  sync_target "$3" "$2"
  typed_since "$3" "$before"
}

# expect_keys ACTUAL EXPECTED WHAT: the same actions in the same order; a
# difference is shown at the first action that differs.
expect_keys() {
  [ "$1" = "$2" ] && return 0
  local at
  at=$(awk 'NR == FNR { expected[NR] = $0; next } $0 != expected[FNR] { print FNR; found = 1; exit }
            END { if (!found) print FNR + 1 }' <(printf '%s\n' "$2") <(printf '%s\n' "$1"))
  fail "$3: $(count_lines "$1") actions instead of $(count_lines "$2");" \
    "action $at is [$(sed -n "${at}p" <<<"$1")], expected [$(sed -n "${at}p" <<<"$2")]"
}

count_lines() { if [ -z "$1" ]; then echo 0; else printf '%s\n' "$1" | wc -l; fi; }

# start_beside_photoshop: starts the stand-in "Photoshop.exe" (photoshop,
# photoshop_window, its key log in log), then quorlen (quorlen, main) and finds
# quorlen's controls.
start_beside_photoshop() {
  start_target photoshop photoshop_window Photoshop.exe
  log=$(target_log Photoshop.exe)
  start_quorlen quorlen
  wait_main_window main
  find_controls "$main"
}
