#include "app/settings_store.h"

#include <algorithm>

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Where line k starts, or npos when the text has fewer than k line breaks.
std::size_t lineStart(std::string_view text, std::size_t k) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < k; ++i) {
    const std::size_t lineBreak = text.find(kLineBreak, start);
    if (lineBreak == std::string_view::npos) return std::string_view::npos;
    start = lineBreak + kLineBreak.size();
  }
  return start;
}

std::size_t lineEnd(std::string_view text, std::size_t start) {
  return std::min(text.find(kLineBreak, start), text.size());
}

}  // namespace

std::string SettingsStore::line(std::size_t k) const {
  const std::size_t start = lineStart(text_, k);
  if (start == std::string_view::npos) return {};
  return text_.substr(start, lineEnd(text_, start) - start);
}

void SettingsStore::setLine(std::size_t k, std::string_view value) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < k; ++i) {
    const std::size_t lineBreak = text_.find(kLineBreak, start);
    if (lineBreak == std::string::npos) {
      // Short of line k: the missing lines are added empty.
      text_ += kLineBreak;
      start = text_.size();
    } else {
      start = lineBreak + kLineBreak.size();
    }
  }
  text_.replace(start, lineEnd(text_, start) - start, value);
}

std::string normaliseLineBreaks(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      text += c;
      continue;
    }
    text += kLineBreak;
    // A CR LF pair ends one line, not two.
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  return text;
}
