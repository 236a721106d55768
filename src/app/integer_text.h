#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Integer texts as the spacing boxes hold them: leading blanks (spaces only), an
// optional sign, then decimal digits or "$", "x", "X", "0x", "0X" and one to eight
// hex digits taken as a 32-bit pattern, the sign applied after it ("$FFFFFFFF" is
// -1, "-$FFFFFFFF" is 1); nothing may follow the digits, not even a blank.
std::optional<std::int32_t> tryParseIntegerText(std::wstring_view text);

// As above, but a rejected text throws AppError "'<text>' is not a valid integer value".
std::int32_t parseIntegerText(std::wstring_view text);

// Plain decimal: a minus sign for negative values, no leading zeros or blanks.
std::wstring formatInteger(std::int64_t value);

// The text one step (delta) away from the integer that `text` holds. Both the
// rejected text and a result outside the 32-bit range throw the conversion error,
// the latter naming the out-of-range result, so a step never wraps around.
std::wstring stepIntegerText(std::wstring_view text, int delta);
