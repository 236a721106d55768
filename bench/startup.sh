#!/usr/bin/env bash
# Start-up of quorlen.exe against a bare Win32 window (bare_window.cpp), in one Wine
# session: the time from process start to the main window being visible, as the
# median of RUNS starts of each taken in turns, the ratio of the two, and the working
# set of each once its window is up and waiting for input.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]    (defaults: build/windows, 15)
#
# BUILD_DIR is a build of the windows preset. Both figures include Wine's own start of
# a process; what quorlen adds is the difference. Runs in the Wine session of the
# scenarios when one is up (E2E_ROOT), or in one of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
runs=${2:-15}

export E2E_ROOT=${E2E_ROOT:-$build/bench-startup}
export E2E_DRIVER=$build/tests/e2e/driver.exe
export E2E_TARGETS=$build/tests/e2e/targets
export E2E_QUORLEN=$build/src/quorlen.exe
E2E_SHOP_ADDRESS=$(sed -n 's/^QUORLEN_SHOP_ADDRESS:[A-Z]*=//p' "$build/CMakeCache.txt")
export E2E_SHOP_ADDRESS E2E_SCENARIO=startup_bench
source "$root/tests/e2e/lib.sh"
e2e_begin
cp "$build/bench/bare_window.exe" "$scratch/"

quorlen=$(winpath "$scratch/quorlen.exe")
bare=$(winpath "$scratch/bare_window.exe")
# One driver process starts them all, quorlen and the bare window in turns, after
# one start of each that fills the caches.
starts=(time-start "$quorlen" --then time-start "$bare")
for _ in $(seq "$runs"); do starts+=(--then time-start "$quorlen" --then time-start "$bare"); done
drv "${starts[@]}" | tail -n +3 >"$scratch/runs.txt"

# median PROGRAM_LINE FIELD: the median of FIELD over every other line, from the first
# (1: quorlen) or the second (2: the bare window).
median() {
  awk -v first="$1" -v field="$2" 'NR % 2 == first % 2 { split($field, kv, "="); print kv[2] }' \
    "$scratch/runs.txt" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
mib() { awk -v bytes="$1" 'BEGIN { printf "%.1f MiB", bytes / 1048576 }'; }

quorlen_ms=$(median 1 1)
bare_ms=$(median 2 1)
printf 'start to visible window, median of %s runs:\n' "$runs"
printf '  quorlen.exe      %8.1f ms\n' "$quorlen_ms"
printf '  bare_window.exe  %8.1f ms\n' "$bare_ms"
printf '  ratio            %8.2f\n' "$(awk -v q="$quorlen_ms" -v b="$bare_ms" 'BEGIN { print q / b }')"
printf 'working set once the window is up, medians (peak):\n'
printf '  quorlen.exe      %s (%s)\n' "$(mib "$(median 1 2)")" "$(mib "$(median 1 3)")"
printf '  bare_window.exe  %s (%s)\n' "$(mib "$(median 2 2)")" "$(mib "$(median 2 3)")"
