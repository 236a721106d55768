#pragma once

#include <string>
#include <string_view>

// The error report ends its text with a period unless the text is empty or already
// ends with a period or with a character that sorts before it (a blank, "!", ...).
std::wstring withFinalPeriod(std::wstring_view message);
