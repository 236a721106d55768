#include "app/integer_text.h"

#include <algorithm>
#include <limits>

#include "app/app_error.h"

namespace {

constexpr std::size_t kMaxHexDigits = 8;

bool isInt32(std::int64_t value) {
  return value >= std::numeric_limits<std::int32_t>::min() &&
         value <= std::numeric_limits<std::int32_t>::max();
}

AppError invalidIntegerError(std::wstring_view text) {
  return AppError(L"'" + std::wstring(text) + L"' is not a valid integer value");
}

// Only ASCII digits count: other scripts' digits are rejected like any letter.
int hexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

std::size_t hexPrefixLength(std::wstring_view text) {
  if (text.starts_with(L"0x") || text.starts_with(L"0X")) return 2;
  if (text.starts_with(L'$') || text.starts_with(L'x') || text.starts_with(L'X')) return 1;
  return 0;
}

std::optional<std::uint32_t> parseHexPattern(std::wstring_view digits) {
  if (digits.empty() || digits.size() > kMaxHexDigits) return std::nullopt;
  std::uint32_t pattern = 0;
  for (const wchar_t c : digits) {
    const int digit = hexDigitValue(c);
    if (digit < 0) return std::nullopt;
    pattern = pattern << 4 | static_cast<std::uint32_t>(digit);
  }
  return pattern;
}

// Saturates just above the largest 32-bit magnitude, so any number of leading
// zeros is fine and no digit string can overflow.
std::optional<std::uint64_t> parseDecimalMagnitude(std::wstring_view digits) {
  constexpr std::uint64_t kSaturated = std::uint64_t{1} << 32;
  if (digits.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  for (const wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    magnitude = std::min(magnitude * 10 + static_cast<std::uint64_t>(c - L'0'), kSaturated);
  }
  return magnitude;
}

}  // namespace

std::optional<std::int32_t> tryParseIntegerText(std::wstring_view text) {
  const std::size_t firstNonBlank = text.find_first_not_of(L' ');
  if (firstNonBlank == std::wstring_view::npos) return std::nullopt;
  text.remove_prefix(firstNonBlank);

  const bool negative = text.front() == L'-';
  if (negative || text.front() == L'+') text.remove_prefix(1);

  if (const std::size_t prefix = hexPrefixLength(text); prefix > 0) {
    const std::optional<std::uint32_t> pattern = parseHexPattern(text.substr(prefix));
    if (!pattern) return std::nullopt;
    // The sign applies to the 32-bit pattern and wraps with it: "-$FFFFFFFF" is 1.
    return static_cast<std::int32_t>(negative ? 0u - *pattern : *pattern);
  }

  const std::optional<std::uint64_t> magnitude = parseDecimalMagnitude(text);
  if (!magnitude) return std::nullopt;
  const auto value = static_cast<std::int64_t>(*magnitude);
  const std::int64_t signedValue = negative ? -value : value;
  if (!isInt32(signedValue)) return std::nullopt;
  return static_cast<std::int32_t>(signedValue);
}

std::int32_t parseIntegerText(std::wstring_view text) {
  const std::optional<std::int32_t> value = tryParseIntegerText(text);
  if (!value) throw invalidIntegerError(text);
  return *value;
}

std::wstring formatInteger(std::int64_t value) { return std::to_wstring(value); }

std::wstring stepIntegerText(std::wstring_view text, int delta) {
  const std::int64_t result = std::int64_t{parseIntegerText(text)} + delta;
  const std::wstring resultText = formatInteger(result);
  if (!isInt32(result)) throw invalidIntegerError(resultText);
  return resultText;
}
