#!/usr/bin/env bash
# Runs Quorlen's main job under Wine: the real quorlen.exe beside the stand-in
# "Photoshop.exe", in a folder with the default settings file.
#
#   scripts/run-demo.sh [build-folder]        (default: <repo>/build/windows)
#
# Without $DISPLAY it starts its own Xvfb, brings the stand-in to the front,
# presses Ctrl+F itself, waits until every key of the layout has arrived, saves a
# screenshot of both windows (it prints the path) and ends what it started.
# With $DISPLAY it leaves both programs running for you to press Ctrl+F.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build/windows}

"$repo/scripts/install-deps.sh"
(cd "$repo" && cmake --preset windows -B "$build" >/dev/null)
cmake --build "$build" -j 2 --target quorlen driver standin >/dev/null

export E2E_ROOT=$build/demo
export E2E_DRIVER=$build/tests/e2e/driver.exe
export E2E_TARGETS=$build/tests/e2e/targets
export E2E_SCENARIO=demo
source "$repo/tests/e2e/lib.sh"

mkdir -p "$E2E_ROOT"
headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  e2e_cleanup  # the Xvfb of an interrupted demo
  e2e_start_xvfb
  e2e_load_session
fi
e2e_make_locale
e2e_use_locale
# The prefix is kept between demos; making one takes half a minute.
[ -f "$WINEPREFIX/system.reg" ] || e2e_make_prefix
wineserver -k >/dev/null 2>&1 || true

scratch=$E2E_ROOT/run
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$build/src/quorlen.exe" "$scratch/quorlen.exe"
write_default_settings

if [ $headless = 1 ]; then
  trap 'for pid in "${e2e_pids[@]}"; do stop_program "$pid"; done; wineserver -k >/dev/null 2>&1; e2e_cleanup' EXIT
fi
wineserver -p >>"$scratch/wine.log" 2>&1 </dev/null

start_quorlen quorlen
wait_main_window main
drv move --hwnd "$main" 0 0

if [ $headless = 1 ]; then
  # The spacing values become live at the window's once-a-second refresh. Put
  # another text into the left-right box and wait until a refresh has put the
  # stored 106 back: from then on the layout uses the stored spacing.
  spacing_box=$(drv tree --hwnd "$main" | grep -m 1 'text="106"' | sed 's/^ *hwnd=\([^ ]*\).*/\1/')
  drv set-text --hwnd "$spacing_box" 0 --then wait-text --hwnd "$spacing_box" 106
fi

start_target photoshop photoshop_window Photoshop.exe
log=$(target_log Photoshop.exe)

if [ $headless = 0 ]; then
  cat <<EOF
quorlen.exe (pid $quorlen) and the stand-in Photoshop.exe (pid $photoshop) run in a Wine
desktop on $DISPLAY. Click the stand-in and press Ctrl+F; its keys are logged in
  $log
End both with: kill $quorlen $photoshop; WINEPREFIX=$WINEPREFIX wineserver -k
EOF
  exit 0
fi

drv front --hwnd "$photoshop_window" --then keys ctrl+f
wait_for_line "$log" "down 30"
# quorlen sends the whole layout inside one message; once it answers again, all
# keys are queued, and the marker key arrives behind the last of them.
drv idle --hwnd "$main" --timeout 60000
sync_target "$log" "$photoshop_window"

screenshot=$E2E_ROOT/demo.png
drv shot "$(winpath "$screenshot")"
keys=$(log_between "$log" "$CTRL_F_LINES" "$MARKER_LINES" | grep -c "")
echo "Ctrl+F typed $keys key events into the stand-in Photoshop.exe (log: $log)"
echo "screenshot: $screenshot"
