# Helpers for the Wine scenarios; source this file.
#
# Environment (CTest sets all but the last two):
#   E2E_ROOT         folder for the run: the Wine prefix, the locale, scratch folders
#   E2E_DRIVER       driver.exe
#   E2E_TARGETS      folder with the stand-in copies (exact/Photoshop.exe, lowercase/photoshop.exe, other/Other.exe)
#   E2E_QUORLEN      quorlen.exe
#   E2E_SHOP_ADDRESS the shop address quorlen.exe was built with
#   E2E_LOCALE       Unix locale of the Wine session: zh_CN.UTF-8 (default) or C.UTF-8
#   E2E_USE_DISPLAY  1: use $DISPLAY instead of a private Xvfb
#
# A scenario calls e2e_begin, which joins the session of the setup fixture (or, run
# on its own, sets one up and tears it down at exit), restarts the wineserver and
# makes a scratch folder with quorlen.exe and its default settings file.

set -euo pipefail

: "${E2E_ROOT:?E2E_ROOT must name the run folder}"
E2E_LOCALE=${E2E_LOCALE:-zh_CN.UTF-8}

export WINEPREFIX=$E2E_ROOT/prefix
export WINEDEBUG=-all
# No Mono or Gecko installer on a fresh prefix, and no menu entries written for the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

e2e_session_file=$E2E_ROOT/session.env
e2e_locale_dir=$E2E_ROOT/locale
e2e_desktop_size=1024x768
e2e_pids=()
e2e_owns_session=0
scratch=""

# The Ctrl+F the driver types shows up in a target's log as these lines: the
# hotkey takes the F key's press, the rest of the chord reaches the focused window.
readonly CTRL_F_LINES=$'down 11\nup 46\nup 11'
# The key the driver types to learn that a target has taken all keys sent before it.
readonly MARKER_KEY=f12
readonly MARKER_LINES=$'down 7b\nup 7b'
# What every layout types first: Ctrl+0, Ctrl+V, V.
readonly PROLOGUE_LINES=$'down 11\ndown 30\nup 30\nup 11\ndown 11\ndown 56\nup 56\nup 11\ndown 56\nup 56'
readonly WM_HOTKEY=0x312
readonly WM_CLOSE=0x10
readonly CTRL_F_LPARAM=$(((0x46 << 16) | 2))

e2e_say() { printf '[%s] %s\n' "${E2E_SCENARIO:-e2e}" "$*" >&2; }
fail() { e2e_say "FAIL: $*"; exit 1; }

# expect_eq ACTUAL EXPECTED WHAT
expect_eq() {
  [ "$1" = "$2" ] && return 0
  fail "$3: expected [$2], got [$1]"
}

# expect_bytes FILE FORMAT WHAT: FILE holds exactly the bytes printf FORMAT gives.
expect_bytes() {
  # shellcheck disable=SC2059
  printf -- "$2" | cmp -s - "$1" && return 0
  fail "$3: expected bytes [$(printf -- "$2" | od -An -c | tr -s ' ')], got [$(od -An -c "$1" | tr -s ' ')]"
}

# --- the session: Xvfb, locale, prefix ---------------------------------------

e2e_make_locale() {
  [ -d "$e2e_locale_dir/zh_CN.UTF-8" ] && return 0
  mkdir -p "$e2e_locale_dir"
  # localedef warns about harmless details of the source and exits 1 for it;
  # the compiled folder tells whether it worked.
  localedef -i zh_CN -f UTF-8 "$e2e_locale_dir/zh_CN.UTF-8" >/dev/null 2>&1 || true
  [ -d "$e2e_locale_dir/zh_CN.UTF-8" ] || fail "localedef could not build zh_CN.UTF-8"
}

# Locale of everything a scenario starts; Wine takes the ANSI code page from it.
# Bash itself cannot switch to the private locale (it looks for LOCPATH in its own
# start-up environment), so its complaint is silenced; the programs it starts see both.
e2e_use_locale() {
  case $E2E_LOCALE in
    zh_CN.*) export LOCPATH=$e2e_locale_dir ;;
    *) unset LOCPATH ;;
  esac
  { export LC_ALL=$E2E_LOCALE; } 2>/dev/null
}

# Starts Xvfb on the first free display; it reports the number once it listens.
e2e_start_xvfb() {
  local numberfile=$E2E_ROOT/xvfb.display
  rm -f "$numberfile"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberfile" >"$E2E_ROOT/xvfb.log" 2>&1 </dev/null &
  local pid=$!
  local deadline=$((SECONDS + 20))
  until [ -s "$numberfile" ]; do
    kill -0 "$pid" 2>/dev/null || fail "Xvfb ended; see $E2E_ROOT/xvfb.log"
    [ $SECONDS -lt $deadline ] || fail "Xvfb did not report its display"
    sleep 0.05
  done
  printf 'DISPLAY=:%s\nE2E_XVFB_PID=%s\n' "$(head -n 1 "$numberfile")" "$pid" >"$e2e_session_file"
}

# A fresh prefix with a virtual desktop: inside it hiding and destroying windows
# is instant (no window manager to wait for) and SetForegroundWindow works.
# Event log, network and plug-and-play services start on demand only: nothing
# here uses them, and every scenario's new Wine session starts 3 s sooner.
e2e_make_prefix() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  wineboot -i >"$E2E_ROOT/wineboot.log" 2>&1 </dev/null || fail "wineboot failed; see $E2E_ROOT/wineboot.log"
  cat >"$E2E_ROOT/settings.reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$e2e_desktop_size"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Eventlog]
"Start"=dword:00000003

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\NDIS]
"Start"=dword:00000003

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\nsiproxy]
"Start"=dword:00000003

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\PlugPlay]
"Start"=dword:00000003
EOF
  wine regedit /S "$(winpath "$E2E_ROOT/settings.reg")" >>"$E2E_ROOT/wineboot.log" 2>&1 </dev/null
  wineserver -w
}

# Setup of a run: Xvfb (unless told to use $DISPLAY), the locale, a fresh prefix.
e2e_setup() {
  mkdir -p "$E2E_ROOT"
  e2e_cleanup  # a session left over from an interrupted run
  if [ "${E2E_USE_DISPLAY:-0}" = 1 ]; then
    : "${DISPLAY:?E2E_USE_DISPLAY=1 needs DISPLAY}"
    printf 'DISPLAY=%s\nE2E_XVFB_PID=\n' "$DISPLAY" >"$e2e_session_file"
  else
    e2e_start_xvfb
  fi
  e2e_make_locale
  e2e_load_session
  e2e_use_locale
  e2e_make_prefix
}

e2e_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -f "$e2e_session_file" ]; then
    e2e_load_session
    # The id comes from a file: make sure it still names our Xvfb before ending it.
    if [ -n "$E2E_XVFB_PID" ] && [[ $(tr '\0' ' ' <"/proc/$E2E_XVFB_PID/cmdline" 2>/dev/null) == "Xvfb -displayfd"* ]]; then
      kill "$E2E_XVFB_PID"
    fi
    rm -f "$e2e_session_file"
  fi
}

e2e_load_session() {
  local line
  while IFS= read -r line; do
    case $line in
      DISPLAY=*) export DISPLAY=${line#DISPLAY=} ;;
      E2E_XVFB_PID=*) E2E_XVFB_PID=${line#E2E_XVFB_PID=} ;;
    esac
  done <"$e2e_session_file"
}

e2e_session_alive() {
  [ -f "$e2e_session_file" ] || return 1
  e2e_load_session
  [ -z "$E2E_XVFB_PID" ] || kill -0 "$E2E_XVFB_PID" 2>/dev/null
}

# --- processes -------------------------------------------------------------

# True while the process runs; a finished child that is not yet reaped counts as ended.
alive() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [ "${stat%% *}" != Z ]
}

# start_program VAR EXE [ARGS...]: starts a Windows program in the background,
# from its own folder, and puts its process id into VAR.
start_program() {
  local var=$1
  shift
  (cd "$(dirname "$1")" && exec wine "$@") >>"$scratch/wine.log" 2>&1 </dev/null &
  e2e_pids+=($!)
  printf -v "$var" %s $!
}

# wait_exit PID [SECONDS]: waits for the process to end and sets exit_code.
wait_exit() {
  local pid=$1 deadline=$((SECONDS + ${2:-10}))
  while alive "$pid"; do
    [ $SECONDS -lt $deadline ] || fail "process $pid is still running after ${2:-10} s"
    sleep 0.05
  done
  exit_code=0
  wait "$pid" || exit_code=$?
}

stop_program() {
  if alive "$1"; then kill -KILL "$1" 2>/dev/null || true; fi
  wait "$1" 2>/dev/null || true
}

# --- the driver --------------------------------------------------------------

# drv COMMAND [ARGS...]: runs driver.exe and prints what it printed. The driver
# writes to a file: a Wine program's output through a pipe may never see EOF.
drv() {
  local out=$scratch/driver.out err=$scratch/driver.err
  rm -f "$out"
  if ! wine "$E2E_DRIVER" --out "$(winpath "$out")" "$@" >"$err" 2>&1 </dev/null; then
    e2e_say "FAIL: driver $*: $(cat "$err")"
    return 1
  fi
  [ ! -f "$out" ] || cat "$out"
}

# The path of a Unix file as Windows programs see it: Wine maps / to drive Z:.
# (winepath would say the same, at the price of starting a Wine process.)
winpath() { printf 'Z:%s\n' "${1//\//\\}"; }

# --- waiting on files --------------------------------------------------------

# wait_for_line FILE LINE [SECONDS]: until FILE holds LINE as a whole line.
wait_for_line() {
  local deadline=$((SECONDS + ${3:-10}))
  until grep -qxF -- "$2" "$1" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "no line [$2] in $1 after ${3:-10} s"
    sleep 0.05
  done
}

markers_logged() {
  local count
  count=$(grep -c -xF 'up 7b' "$1" 2>/dev/null) || true
  printf '%s\n' "${count:-0}"
}

# sync_target LOG WINDOW: brings the target's WINDOW to the front, types the marker
# key and waits until the target has logged it; every key that reached the target
# before has then been logged too.
sync_target() {
  local log=$1 before
  before=$(markers_logged "$log")
  drv front --hwnd "$2" --then keys "$MARKER_KEY" >/dev/null
  local deadline=$((SECONDS + 10))
  until [ "$(markers_logged "$log")" -gt "$before" ]; do
    [ $SECONDS -lt $deadline ] || fail "the target did not log the marker key"
    sleep 0.05
  done
}

# log_between LOG FIRST LAST: the target's log must start with the lines FIRST and
# end with the lines LAST; prints what came in between (nothing when nothing did).
log_between() {
  local log first=$2 last=$3
  log=$(cat "$1")
  [[ $log == "$first"* ]] || fail "$1 does not start with [${first//$'\n'/, }]: [${log//$'\n'/, }]"
  log=${log#"$first"}
  [[ $log == *"$last" ]] || fail "$1 does not end with [${last//$'\n'/, }]: [${log//$'\n'/, }]"
  log=${log%"$last"}
  log=${log#$'\n'}
  printf '%s' "${log%$'\n'}"
}

# True when every key line is a press followed by its release before the key is
# pressed again, and no key is left down at the end.
keys_balanced() {
  printf '%s\n' "$1" | awk '
    { held[$2] += ($1 == "down") ? 1 : -1; if (held[$2] < 0 || held[$2] > 1) bad = 1 }
    END { for (key in held) if (held[key] != 0) bad = 1; exit bad }'
}

# --- quorlen and the stand-in --------------------------------------------------

readonly APP_TITLE="Quorlen[1.2.0.0]"
readonly APP_CLASS=TForm1

# start_quorlen VAR: starts the scratch copy and puts its process id into VAR.
start_quorlen() { start_program "$1" "$scratch/quorlen.exe"; }

# The folder of the stand-in copy called NAME; it also names the copy's key log,
# because Wine would take keys-Photoshop.exe.log and keys-photoshop.exe.log for one file.
target_copy() {
  case $1 in
    Photoshop.exe) printf 'exact\n' ;;
    photoshop.exe) printf 'lowercase\n' ;;
    Other.exe) printf 'other\n' ;;
    *) fail "no stand-in copy named $1" ;;
  esac
}

target_log() { printf '%s\n' "$scratch/keys-$(target_copy "$1").log"; }

# start_target VAR WINDOWVAR NAME: starts the stand-in copy called NAME
# (Photoshop.exe, photoshop.exe, Other.exe) with its key log in the scratch
# folder, waits for its window and brings it to the front.
start_target() {
  start_program "$1" "$E2E_TARGETS/$(target_copy "$3")/$3" "$(winpath "$(target_log "$3")")"
  local hwnd
  hwnd=$(drv wait-window --title "Stand-in $3" --class QuorlenStandIn --front)
  printf -v "$2" %s "$hwnd"
}

# wait_main_window VAR: the main window of a running quorlen.exe.
wait_main_window() {
  local hwnd
  hwnd=$(drv wait-window --title "$APP_TITLE" --class "$APP_CLASS")
  printf -v "$1" %s "$hwnd"
}

# Writes the default settings file ("106" CR LF "141" CR LF) into the scratch folder.
write_default_settings() { printf '106\r\n141\r\n' >"$scratch/配置文件.txt"; }

# --- a scenario's life ---------------------------------------------------------

e2e_end() {
  local status=$?
  set +e
  if [ $status -ne 0 ] && [ -n "$scratch" ]; then
    drv shot "$(winpath "$scratch/failure.png")" >/dev/null 2>&1 &&
      e2e_say "screen at failure: $scratch/failure.png"
  fi
  local pid
  for pid in "${e2e_pids[@]}"; do stop_program "$pid"; done
  wineserver -k >/dev/null 2>&1
  [ $e2e_owns_session = 1 ] && e2e_cleanup
  if [ $status -eq 0 ]; then e2e_say "passed"; fi
  exit $status
}

# e2e_begin [VARIANT]: joins (or makes) the session and prepares a clean scratch folder.
e2e_begin() {
  : "${E2E_DRIVER:?}" "${E2E_TARGETS:?}" "${E2E_QUORLEN:?}" "${E2E_SHOP_ADDRESS:?}"
  E2E_SCENARIO=${E2E_SCENARIO:-$(basename "$0" .sh)${1:+.$1}}
  trap e2e_end EXIT
  if ! e2e_session_alive; then
    e2e_say "no running session: setting one up for this scenario alone"
    e2e_owns_session=1
    e2e_setup
  fi
  e2e_use_locale
  # Atoms and hotkeys outlive killed processes: every scenario gets a new wineserver.
  wineserver -k >/dev/null 2>&1 || true
  scratch=$E2E_ROOT/scenarios/$E2E_SCENARIO
  rm -rf "$scratch"
  mkdir -p "$scratch"
  cp "$E2E_QUORLEN" "$scratch/quorlen.exe"
  write_default_settings
  # Keep one wineserver (and the desktop) for the whole scenario instead of one per command.
  wineserver -p >>"$scratch/wine.log" 2>&1 </dev/null
  e2e_say "locale $E2E_LOCALE, display $DISPLAY, scratch $scratch"
}
