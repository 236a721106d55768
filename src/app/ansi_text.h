#pragma once

#include <string>
#include <string_view>

// The settings file holds text in the system's ANSI code page; the window works
// in UTF-16. These convert between the two.
std::wstring fromAnsi(std::string_view bytes);
std::string toAnsi(std::wstring_view text);
