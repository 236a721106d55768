#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "ui/skin/skin_ini.h"
#include "ui/widgets/gdi.h"

class Skin;

// How one skin element draws: its font (height as the skin gives it: positive is
// the cell height, negative the character height) and its colours.
struct ElementStyle {
  std::wstring fontName;
  int fontHeight;
  bool bold;
  TextAlignment align;
  COLORREF text;
  COLORREF activeText;
  COLORREF downText;
  COLORREF disabledText;
  COLORREF face;
  COLORREF frame;
  bool fades;  // blends between its normal and active looks
};

// What every control draws with: the skin and its elements, and the screen's DPI,
// by which all layout figures (pixels at 96 DPI) and fonts are scaled. Without a
// skin the elements keep a built-in plain look.
class Theme {
 public:
  Theme(int dpi, const Skin* skin);
  Theme(const Theme&) = delete;
  Theme& operator=(const Theme&) = delete;

  int dpi() const { return dpi_; }
  int scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }
  RECT scale(int left, int top, int width, int height) const;
  const Skin* skin() const { return skin_; }

  const ElementStyle& element(std::wstring_view name) const;
  HFONT elementFont(std::wstring_view name) const;
  HFONT font(const std::wstring& name, int height, bool bold) const;

  // The skin's picture of one part of an element ("normal", "frame", ...), or
  // null without a skin or when the skin lacks it.
  const PicturePart* part(std::wstring_view element, std::string_view part) const;
  // Draws that part over `box`, blended at `alpha`; false when there is no such
  // picture and the caller draws its plain look instead.
  bool drawPart(HDC dc, std::wstring_view element, std::string_view part, const RECT& box,
                BYTE alpha = 255) const;

 private:
  int dpi_;
  const Skin* skin_;
  std::map<std::wstring, ElementStyle, std::less<>> elements_;
  mutable std::map<std::tuple<std::wstring, int, bool>, GdiObject<HFONT>> fonts_;
};
