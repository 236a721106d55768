#include "app/spacing.h"

std::int32_t HSpacing = 0;
std::int32_t VSpacing = 0;
