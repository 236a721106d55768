#!/usr/bin/env bash
# How long a layout takes to arrive: from the moment the driver's Ctrl+F enters
# the input stream to the moment the stand-in "Photoshop.exe" has logged the last
# key of "1寸12张" with the default spacing (3266 key actions), under Wine.
# Several runs in one session; prints each and the median, in milliseconds.
#
#   bench/ctrl_f_to_last_key.sh BUILD_DIR [RUNS]
#
# BUILD_DIR is a build of the windows preset (quorlen.exe, the driver and the
# stand-in). It runs in a Wine session of its own under $BUILD_DIR/bench-run.
build=$(realpath "${1:?the build folder of the windows preset}")
runs=${2:-7}
export E2E_ROOT=$build/bench-run
export E2E_DRIVER=$build/tests/e2e/driver.exe
export E2E_TARGETS=$build/tests/e2e/targets
export E2E_QUORLEN=$build/src/quorlen.exe
E2E_SHOP_ADDRESS=$(sed -n 's/^QUORLEN_SHOP_ADDRESS:STRING=//p' "$build/CMakeCache.txt")
export E2E_SHOP_ADDRESS
export E2E_SCENARIO=bench.ctrl_f_to_last_key
e2e=$(dirname "$0")/../tests/e2e
source "$e2e/lib.sh"
source "$e2e/controls_lib.sh"
e2e_begin

start_beside_photoshop
wait_refresh "$lr_box" 106
drv click-held --hwnd "${layout_box[1寸12张]}" "${LAYOUT_BOX_POINT[@]}"
actions=$(count_lines "$(expected_keys OneInchTwelve 106 141)")

times=()
for ((run = 1; run <= runs; run++)); do
  before=$(wc -l <"$log")
  # The Ctrl+F leaves three lines of its own before the layout's keys.
  ms=$(drv front --hwnd "$photoshop_window" \
    --then time-keys --log "$(winpath "$log")" --lines $((before + 3 + actions)) --timeout 60000 ctrl+f)
  drv idle --hwnd "$main" >/dev/null
  sync_target "$log" "$photoshop_window"
  expect_eq "$(count_lines "$(typed_since "$log" "$before")")" "$actions" "key actions of run $run"
  times+=("$ms")
  e2e_say "run $run: $ms ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
printf 'Ctrl+F to the last key of 1寸12张 (%s key actions): median %s ms of %s runs (%s)\n' \
  "$actions" "$median" "$runs" "${times[*]}"
