#!/usr/bin/env bash
# The client area holds the stored layout and nothing else, at 96 DPI and scaled as
# one picture at 144 DPI: its size; its child windows with their classes, places,
# sizes and texts; the window a click reaches in the middle of every control and of
# every overlap (of two overlapping boxes, the one built later lies on top); and its
# picture, against the reference in tests/e2e/reference.
#   client_area.sh 96|144
#
# The expected windows and hits are read from src/ui/main_form_layout.cpp by
# stored_layout.py. E2E_UPDATE_REFERENCES=1 writes this run's picture as the reference.
source "$(dirname "$0")/../lib.sh"
dpi=${1:?96 or 144}
e2e_begin "$dpi"

declare -A CLIENT_SIZE=([96]="422 x 216" [144]="633 x 324")
[ -n "${CLIENT_SIZE[$dpi]:-}" ] || fail "no client size known for $dpi DPI"
scale=$(awk -v dpi="$dpi" 'BEGIN { print dpi / 96 }')
reference=$(cd "$(dirname "$0")/../reference" && pwd)/client_area_$dpi.png

stored_layout() { python3 "$(dirname "$0")/../stored_layout.py" "$@"; }

# The screen's DPI is read when a Wine session starts: set it before quorlen's, and
# put the old value back however the scenario ends.
readonly DPI_KEY='HKCU\Control Panel\Desktop'
# reg_run ARGS...: Wine's reg.exe, its output in the scratch folder (never a pipe).
reg_run() { wine reg "$@" >"$scratch/reg.out" 2>>"$scratch/wine.log" </dev/null; }
restore_dpi() {
  if [ -n "$old_dpi" ]; then
    reg_run add "$DPI_KEY" /v LogPixels /t REG_DWORD /d "$old_dpi" /f
  else
    reg_run delete "$DPI_KEY" /v LogPixels /f
  fi || e2e_say "could not put LogPixels back; see $scratch/reg.out"
}
if [ "$dpi" != 96 ]; then
  old_dpi=""
  # reg prints the value in hexadecimal, in lines ending in CR LF, and takes it in decimal.
  if reg_run query "$DPI_KEY" /v LogPixels; then
    old_dpi=$(($(tr -d '\r' <"$scratch/reg.out" | awk '/REG_DWORD/ { print $3 }')))
  fi
  trap 'status=$?; restore_dpi; (exit $status); e2e_end' EXIT
  reg_run add "$DPI_KEY" /v LogPixels /t REG_DWORD /d "$dpi" /f
  wineserver -k
  wineserver -p >>"$scratch/wine.log" 2>&1 </dev/null
fi

# The window opens centred, away from the mouse in the screen's corner: nothing in
# its picture shows its look under the mouse.
drv mouse-to 0 0
start_quorlen quorlen
wait_main_window main
read -r _ _ width height <<<"$(drv client --hwnd "$main")"
expect_eq "$width x $height" "${CLIENT_SIZE[$dpi]}" "client area at $dpi DPI"

drv tree --hwnd "$main" | stored_layout flatten >"$scratch/tree.shown"
stored_layout tree "$scale" "$E2E_SHOP_ADDRESS" >"$scratch/tree.stored"
diff "$scratch/tree.stored" "$scratch/tree.shown" >"$scratch/tree.diff" ||
  fail "the child windows differ from the stored layout (< stored, > shown):"$'\n'"$(cat "$scratch/tree.diff")"

# Every point in one driver run; each answer goes after its point.
stored_layout hits "$scale" "$E2E_SHOP_ADDRESS" >"$scratch/hits.stored"
hits=(front --hwnd "$main")
while read -r x y _; do hits+=(--then hit --hwnd "$main" "$x" "$y"); done <"$scratch/hits.stored"
drv "${hits[@]}" | paste -d ' ' <(cut -d ' ' -f 1,2 "$scratch/hits.stored") - >"$scratch/hits.shown"
diff "$scratch/hits.stored" "$scratch/hits.shown" >"$scratch/hits.diff" ||
  fail "clicks would reach other windows than the stored layout's (< stored, > shown):"$'\n'"$(cat "$scratch/hits.diff")"

# The picture. Letters' edges may differ a little between fonts.
if [ "${E2E_UPDATE_REFERENCES:-0}" = 1 ]; then
  drv shot-client "$(winpath "$reference")" --hwnd "$main"
  e2e_say "wrote $reference"
  exit 0
fi
[ -f "$reference" ] || fail "no reference picture $reference"
shot=$scratch/client_area.png
deadline=$((SECONDS + 10))
until drv shot-client "$(winpath "$shot")" --hwnd "$main" --then compare "$(winpath "$shot")" \
    "$(winpath "$reference")" --tolerance 24 --max-pixels $((150 * dpi / 96)) >"$scratch/compare.out" 2>&1; do
  [ $SECONDS -lt $deadline ] || fail "the client area does not look like $reference; see $shot: $(cat "$scratch/compare.out")"
  sleep 0.2
done
