#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>

enum class TextAlign { Left, Centre };

// How one skin element draws: its font (height as the skin gives it: positive is
// the cell height, negative the character height) and its colours.
struct ElementStyle {
  std::wstring fontName;
  int fontHeight;
  bool bold;
  TextAlign align;
  COLORREF text;
  COLORREF activeText;
  COLORREF downText;
  COLORREF disabledText;
  COLORREF face;
  COLORREF frame;
};

// What every control draws with: the skin's elements, and the screen's DPI, by
// which all layout figures (pixels at 96 DPI) and fonts are scaled.
class Theme {
 public:
  explicit Theme(int dpi);
  Theme(const Theme&) = delete;
  Theme& operator=(const Theme&) = delete;
  ~Theme();

  int dpi() const { return dpi_; }
  int scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }
  RECT scale(int left, int top, int width, int height) const;

  const ElementStyle& element(std::wstring_view name) const;
  HFONT elementFont(std::wstring_view name) const;
  HFONT font(const std::wstring& name, int height, bool bold) const;

 private:
  int dpi_;
  mutable std::map<std::tuple<std::wstring, int, bool>, HFONT> fonts_;
};
