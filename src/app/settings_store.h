#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The settings text in memory: ANSI bytes whose lines are separated by CR LF.
// Line 0 always exists (it is empty in an empty store); the CR LF pairs belong to
// no line, so setting a line leaves every other line and every break untouched.
class SettingsStore {
 public:
  const std::string& text() const { return text_; }
  void load(std::string text) { text_ = std::move(text); }

  // The text of line k, or the empty text when the store has no line k.
  std::string line(std::size_t k) const;
  // Replaces line k; when the store is short of it, CR LF pairs are appended first.
  void setLine(std::size_t k, std::string_view value);

 private:
  std::string text_;
};

// Turns every lone CR and every lone LF into CR LF; CR LF pairs stay as they are.
std::string normaliseLineBreaks(std::string_view bytes);
