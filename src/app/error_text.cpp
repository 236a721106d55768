#include "app/error_text.h"

std::wstring withFinalPeriod(std::wstring_view message) {
  std::wstring text(message);
  // A text that already ends in punctuation, a blank or a line break reads as
  // finished; only a letter, digit or later symbol gets the period.
  if (!text.empty() && text.back() > L'.') text += L'.';
  return text;
}
