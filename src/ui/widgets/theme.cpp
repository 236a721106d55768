#include "ui/widgets/theme.h"

#include <array>

namespace {

struct NamedStyle {
  std::wstring_view name;
  ElementStyle style;
};

// The elements the window's controls name, with their fonts and text colours.
const std::array kElements = {
    NamedStyle{L"groupbox", {L"Arial", 14, false, TextAlign::Centre, 65280, 65280, 65280, 8421504,
                             RGB(236, 246, 236), RGB(0, 128, 0)}},
    NamedStyle{L"toolbutton", {L"Arial", 14, false, TextAlign::Centre, 32768, 65280, 65280, 8421504,
                               RGB(20, 44, 20), RGB(0, 128, 0)}},
    NamedStyle{L"edit", {L"Arial", 14, false, TextAlign::Left, 32768, 65280, 65280, 8421504,
                         RGB(255, 255, 255), RGB(0, 128, 0)}},
    NamedStyle{L"checkbox", {L"Arial", 14, false, TextAlign::Left, 0, 0, 0, 12632256,
                             RGB(255, 255, 255), RGB(0, 128, 0)}},
    NamedStyle{L"panel", {L"Arial", 12, false, TextAlign::Centre, 0, 0, 0, 8421504,
                          RGB(236, 246, 236), RGB(0, 128, 0)}},
    NamedStyle{L"statusbar", {L"Arial", 12, false, TextAlign::Centre, 0, 0, 0, 8421504,
                              RGB(20, 44, 20), RGB(0, 128, 0)}},
    NamedStyle{L"statuspanel", {L"Arial", 14, false, TextAlign::Left, 65280, 65280, 65280, 8421504,
                                RGB(20, 44, 20), RGB(0, 128, 0)}},
};

}  // namespace

Theme::Theme(int dpi) : dpi_(dpi) {}

Theme::~Theme() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

RECT Theme::scale(int left, int top, int width, int height) const {
  return {scale(left), scale(top), scale(left + width), scale(top + height)};
}

const ElementStyle& Theme::element(std::wstring_view name) const {
  for (const NamedStyle& element : kElements) {
    if (element.name == name) return element.style;
  }
  return kElements.front().style;
}

HFONT Theme::elementFont(std::wstring_view name) const {
  const ElementStyle& style = element(name);
  return font(style.fontName, style.fontHeight, style.bold);
}

HFONT Theme::font(const std::wstring& name, int height, bool bold) const {
  auto [entry, added] = fonts_.try_emplace({name, height, bold}, nullptr);
  if (added) {
    entry->second = CreateFontW(scale(height), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name.c_str());
  }
  return entry->second;
}
