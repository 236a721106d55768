#pragma once

#include <cstdint>

// The live spacing values the layout macros read, in arrow-key steps. Only the
// one-second refresh writes them; both are 0 until its first success.
extern std::int32_t HSpacing;  // left-right
extern std::int32_t VSpacing;  // up-down
