#include "ui/widgets/theme.h"

#include "ui/skin/skin.h"
#include "ui/skin/skin_drawing.h"

namespace {

// The look of the window's elements when there is no skin to draw them from.
const std::map<std::wstring, ElementStyle, std::less<>>& builtInElements() {
  static const std::map<std::wstring, ElementStyle, std::less<>> elements = {
      {L"groupbox", {L"Arial", 14, false, TextAlignment::Centre, 65280, 65280, 65280, 8421504,
                     RGB(236, 246, 236), RGB(0, 128, 0), false}},
      {L"toolbutton", {L"Arial", 14, false, TextAlignment::Centre, 32768, 65280, 65280, 8421504,
                       RGB(20, 44, 20), RGB(0, 128, 0), true}},
      {L"edit", {L"Arial", 14, false, TextAlignment::Left, 32768, 65280, 65280, 8421504,
                 RGB(255, 255, 255), RGB(0, 128, 0), false}},
      {L"checkbox", {L"Arial", 14, false, TextAlignment::Left, 0, 0, 0, 12632256,
                     RGB(255, 255, 255), RGB(0, 128, 0), true}},
      {L"panel", {L"Arial", 12, false, TextAlignment::Centre, 0, 0, 0, 8421504,
                  RGB(236, 246, 236), RGB(0, 128, 0), false}},
      {L"statusbar", {L"Arial", 12, false, TextAlignment::Centre, 0, 0, 0, 8421504,
                      RGB(20, 44, 20), RGB(0, 128, 0), false}},
      {L"statuspanel", {L"Arial", 14, false, TextAlignment::Left, 65280, 65280, 65280, 8421504,
                        RGB(20, 44, 20), RGB(0, 128, 0), false}},
  };
  return elements;
}

// Element names are ASCII.
std::string narrow(std::wstring_view text) {
  std::string result;
  for (const wchar_t c : text) result += static_cast<char>(c);
  return result;
}

// An element as the skin describes it. Face and frame colours, which only plain
// drawing and the edit's text area use, are taken from the middle and the left
// edge of its main picture.
ElementStyle fromSkin(const Skin& skin, const SkinElement& element, const ElementStyle& plain) {
  ElementStyle style{element.font.name, element.font.height, element.font.bold,
                     element.alignment, element.colour, element.activeColour,
                     element.downColour, element.disabledColour, plain.face, plain.frame,
                     element.fades};
  for (const char* main : {"normal", "frame", "unchecked"}) {
    const auto found = element.parts.find(main);
    if (found == element.parts.end()) continue;
    const SkinRect& rect = found->second.rect;
    style.face = skin.pixel(found->second, rect.width() / 2, rect.height() / 2);
    style.frame = skin.pixel(found->second, 0, rect.height() / 2);
    break;
  }
  return style;
}

}  // namespace

Theme::Theme(int dpi, const Skin* skin) : dpi_(dpi), skin_(skin), elements_(builtInElements()) {
  if (!skin_) return;
  for (const auto& [name, element] : skin_->description().elements) {
    const std::wstring wideName(name.begin(), name.end());
    elements_.insert_or_assign(wideName, fromSkin(*skin_, element, this->element(wideName)));
  }
}

RECT Theme::scale(int left, int top, int width, int height) const {
  return {scale(left), scale(top), scale(left + width), scale(top + height)};
}

const ElementStyle& Theme::element(std::wstring_view name) const {
  const auto found = elements_.find(name);
  return found != elements_.end() ? found->second : elements_.begin()->second;
}

HFONT Theme::elementFont(std::wstring_view name) const {
  const ElementStyle& style = element(name);
  return font(style.fontName, style.fontHeight, style.bold);
}

HFONT Theme::font(const std::wstring& name, int height, bool bold) const {
  auto [entry, added] = fonts_.try_emplace({name, height, bold});
  if (added) {
    entry->second = GdiObject<HFONT>(CreateFontW(
        scale(height), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name.c_str()));
  }
  return entry->second.get();
}

const PicturePart* Theme::part(std::wstring_view element, std::string_view part) const {
  if (!skin_) return nullptr;
  const auto& elements = skin_->description().elements;
  const auto found = elements.find(narrow(element));
  if (found == elements.end()) return nullptr;
  const auto foundPart = found->second.parts.find(std::string(part));
  return foundPart != found->second.parts.end() ? &foundPart->second : nullptr;
}

bool Theme::drawPart(HDC dc, std::wstring_view element, std::string_view partName, const RECT& box,
                     BYTE alpha) const {
  const PicturePart* found = part(element, partName);
  if (found) drawPicturePart(dc, *skin_, *found, box, dpi_, alpha);
  return found != nullptr;
}
