#pragma once

#include <cstdint>
#include <vector>

#include "automation/key_action.h"
#include "ui/layout_choice.h"

// Longest arrow run a macro sends. Without a cap a huge spacing value in the
// settings file would keep the window busy typing for hours.
inline constexpr std::uint32_t kMaxRunLength = 10000;

// The key sequence that pastes the copied photo into the template and lays out the
// copies of the chosen sheet, with the spacing values in arrow-key steps.
std::vector<MacroStep> BuildLayoutMacro(LayoutChoice choice, std::int32_t hSpacing,
                                        std::int32_t vSpacing);
