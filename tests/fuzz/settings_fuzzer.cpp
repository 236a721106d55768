// libFuzzer target for the settings logic: integer texts and the store's line rules.
// Build and run it with run.sh next to this file.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "app/app_error.h"
#include "app/integer_text.h"
#include "app/settings_store.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

// A second opinion on integer texts, built on std::from_chars instead of our own
// digit loops, so the two can disagree when either is wrong.
std::optional<std::int32_t> referenceParse(std::wstring_view text) {
  std::string ascii;
  for (const wchar_t c : text) {
    if (c < 0 || c > 0x7F) return std::nullopt;
    ascii += static_cast<char>(c);
  }
  std::string_view rest = ascii;
  const std::size_t firstNonBlank = rest.find_first_not_of(' ');
  if (firstNonBlank == std::string_view::npos) return std::nullopt;
  rest.remove_prefix(firstNonBlank);
  const bool negative = rest.starts_with('-');
  if (negative || rest.starts_with('+')) rest.remove_prefix(1);

  std::size_t hexPrefix = 0;
  if (rest.starts_with("0x") || rest.starts_with("0X")) {
    hexPrefix = 2;
  } else if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
    hexPrefix = 1;
  }
  rest.remove_prefix(hexPrefix);
  if (rest.empty() || (hexPrefix > 0 && rest.size() > 8)) return std::nullopt;

  std::uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, hexPrefix > 0 ? 16 : 10);
  if (error != std::errc() || end != rest.data() + rest.size()) return std::nullopt;

  if (hexPrefix > 0) {
    const auto pattern = static_cast<std::uint32_t>(magnitude);
    return static_cast<std::int32_t>(negative ? ~pattern + 1 : pattern);
  }
  if (magnitude > 2147483648u || (!negative && magnitude == 2147483648u)) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                            : static_cast<std::int64_t>(magnitude));
}

std::wstring conversionError(std::wstring_view text) {
  return L"'" + std::wstring(text) + L"' is not a valid integer value";
}

void checkIntegerText(std::wstring_view text, int delta) {
  const std::optional<std::int32_t> value = tryParseIntegerText(text);
  require(value == referenceParse(text));

  try {
    require(parseIntegerText(text) == *value);
  } catch (const AppError& error) {
    require(!value && error.message() == conversionError(text));
  }

  const std::int64_t stepped = value ? *value + std::int64_t{delta} : 0;
  try {
    const std::wstring result = stepIntegerText(text, delta);
    require(value && tryParseIntegerText(result) == stepped && result == formatInteger(stepped));
  } catch (const AppError& error) {
    require(error.message() == conversionError(value ? formatInteger(stepped) : text));
    require(!value || tryParseIntegerText(formatInteger(stepped)) == std::nullopt);
  }

  if (value) {
    require(tryParseIntegerText(formatInteger(*value)) == value);
    require(tryParseIntegerText(L" " + std::wstring(text)) == value);
    require(!tryParseIntegerText(std::wstring(text) + L" "));
  }
}

std::size_t lineBreakCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
       at = text.find("\r\n", at + 2)) {
    ++count;
  }
  return count;
}

std::string joinedLines(const SettingsStore& store, std::size_t first, std::size_t last) {
  std::string text = store.line(first);
  for (std::size_t k = first + 1; k <= last; ++k) text += "\r\n" + store.line(k);
  return text;
}

// The lines, joined again with CR LF, are the text itself, and there are no more.
void checkLinesMakeUpText(const SettingsStore& store) {
  const std::size_t lastLine = lineBreakCount(store.text());
  require(joinedLines(store, 0, lastLine) == store.text());
  require(store.line(lastLine + 1).empty());
}

void checkSetLine(SettingsStore& store, std::size_t k, const std::string& value) {
  const SettingsStore before = store;
  const std::size_t lastLineBefore = lineBreakCount(before.text());
  const std::size_t breaksInValue = lineBreakCount(value);

  store.setLine(k, value);

  checkLinesMakeUpText(store);
  require(lineBreakCount(store.text()) == std::max(lastLineBefore, k) + breaksInValue);
  // A value holding CR LF becomes several lines; the lines after it move down.
  require(joinedLines(store, k, k + breaksInValue) == value);
  for (std::size_t j = 0; j < k; ++j) require(store.line(j) == before.line(j));
  for (std::size_t j = k + 1; j <= lastLineBefore; ++j) {
    require(store.line(j + breaksInValue) == before.line(j));
  }

  SettingsStore again = store;
  again.setLine(k, store.line(k));
  require(again.text() == store.text());
}

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

void checkNormalise(std::string_view bytes) {
  const std::string text = normaliseLineBreaks(bytes);
  std::size_t lineEnds = 0;
  std::string content;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (!isLineEnd(bytes[i])) {
      content += bytes[i];
    } else if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
      ++lineEnds;  // counts a lone CR, a lone LF and the LF of each CR LF
    }
  }
  require(lineBreakCount(text) == lineEnds);
  std::string textContent;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!isLineEnd(text[i])) textContent += text[i];
    if (text[i] == '\r') require(i + 1 < text.size() && text[i + 1] == '\n');
    if (text[i] == '\n') require(i > 0 && text[i - 1] == '\r');
  }
  require(textContent == content);
  require(normaliseLineBreaks(text) == text);
}

void fuzzIntegerText(FuzzedDataProvider& data, bool wideUnits) {
  // Mostly the buttons' own steps, which meet the ends of the range.
  const int delta =
      data.ConsumeBool() ? data.ConsumeIntegral<int>() : (data.ConsumeBool() ? 1 : -1);
  std::wstring text;
  if (wideUnits) {
    // Pairs of bytes as UTF-16 code units reach characters beyond Latin-1.
    while (data.remaining_bytes() >= 2) {
      text += static_cast<wchar_t>(data.ConsumeIntegral<std::uint16_t>());
    }
  } else {
    for (const char c : data.ConsumeRemainingBytesAsString()) {
      text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
  }
  checkIntegerText(text, delta);
}

void fuzzStore(FuzzedDataProvider& data) {
  const std::string bytes = data.ConsumeRandomLengthString();
  checkNormalise(bytes);

  SettingsStore store;
  store.load(data.ConsumeBool() ? normaliseLineBreaks(bytes) : bytes);
  checkLinesMakeUpText(store);
  while (data.remaining_bytes() > 0) {
    const auto k = data.ConsumeIntegralInRange<std::size_t>(0, 16);
    checkSetLine(store, k, data.ConsumeRandomLengthString());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  switch (data.ConsumeIntegralInRange(0, 2)) {
    case 0: fuzzIntegerText(data, false); break;
    case 1: fuzzIntegerText(data, true); break;
    default: fuzzStore(data); break;
  }
  return 0;
}
