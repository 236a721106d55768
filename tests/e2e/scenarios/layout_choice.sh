#!/usr/bin/env bash
# Each layout box, clicked with the mouse, makes Ctrl+F type exactly that layout
# into Photoshop, key by key as the macro code builds it. A click checks its box
# alone: unchecking it right after leaves no layout, so Ctrl+F types the prologue
# only. A press released outside the box changes nothing; a double click is two clicks.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../controls_lib.sh"
e2e_begin

start_beside_photoshop
wait_refresh "$lr_box" 106

prologue=$(expected_keys NoLayout 106 141)
expect_eq "$(count_lines "$prologue")" 10 "key actions of the prologue"

# expect_layout CAPTION ACTIONS WHAT: Ctrl+F types CAPTION's layout with the default
# spacing, ACTIONS key actions long.
expect_layout() {
  local expected
  expected=$(expected_keys "${LAYOUT_MODEL[$1]}" 106 141)
  expect_eq "$(count_lines "$expected")" "$2" "key actions of $1 with the default spacing"
  expect_keys "$(layout_typed "$main" "$photoshop_window" "$log")" "$expected" "$3"
}

click_layout_box() { drv click-held --hwnd "${layout_box[$1]}" "${LAYOUT_BOX_POINT[@]}"; }

expect_layout 1寸9张 2586 "1寸9张 at start"

# Each round starts with the box of the round before checked.
rounds=("2寸4张 1594" "1寸12张 3266" "2寸6张 2674" "1寸9张 2586")
for round in "${rounds[@]}"; do
  read -r caption actions <<<"$round"
  click_layout_box "$caption"
  expect_layout "$caption" "$actions" "$caption after clicking it"
  click_layout_box "$caption"
  expect_keys "$(layout_typed "$main" "$photoshop_window" "$log")" "$prologue" \
    "no layout after clicking $caption a second time"
  click_layout_box "$caption"
done

# "1寸9张" is checked again. Pressed on it and released left of it, over a label.
drv click-held --hwnd "${layout_box[1寸9张]}" "${LAYOUT_BOX_POINT[@]}" -150 "${LAYOUT_BOX_POINT[1]}"
expect_layout 1寸9张 2586 "1寸9张 after a press on it released outside it"

# A double click on "2寸4张" (two clicks well within the double-click time): the first
# checks it alone, the second unchecks it.
drv click-held --hwnd "${layout_box[2寸4张]}" "${LAYOUT_BOX_POINT[@]}" \
  --then click-held --hwnd "${layout_box[2寸4张]}" "${LAYOUT_BOX_POINT[@]}"
expect_keys "$(layout_typed "$main" "$photoshop_window" "$log")" "$prologue" "no layout after a double click on 2寸4张"
