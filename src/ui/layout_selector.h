#pragma once

#include <array>

#include "ui/layout_choice.h"

// The four layout boxes, in the order the current choice is read from them.
inline constexpr std::array<LayoutChoice, 4> kLayoutBoxOrder = {
    LayoutChoice::OneInchNine, LayoutChoice::TwoInchFour, LayoutChoice::OneInchTwelve,
    LayoutChoice::TwoInchSix};

// The first checked box in kLayoutBoxOrder, or NoLayout when none is checked.
LayoutChoice CurrentLayout(const std::array<bool, 4>& checkedInBoxOrder);

// The boxes a box's click handler unchecks once its own box is checked, in the
// order it unchecks them. Unchecking a box never checks another: the user may
// leave the choice empty.
std::array<LayoutChoice, 3> boxesToUncheck(LayoutChoice checkedBox);
