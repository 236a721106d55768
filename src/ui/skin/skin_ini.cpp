#include "ui/skin/skin_ini.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "ui/skin/stored_skin.h"

namespace {

constexpr std::string_view kElementPrefix = "element.";
// In CaptionButtonKind order.
constexpr std::array<std::string_view, kCaptionButtonCount> kButtonSections = {
    "button.system_menu", "button.minimize", "button.maximize", "button.roll_up", "button.close"};

using Section = std::map<std::string, std::string, std::less<>>;
using Ini = std::map<std::string, Section, std::less<>>;

// The skin text is ASCII.
std::wstring widen(std::string_view text) { return {text.begin(), text.end()}; }

std::string_view trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

Ini readIni(std::string_view text) {
  Ini ini;
  Section* section = nullptr;
  for (int lineNumber = 1; !text.empty(); ++lineNumber) {
    const auto end = text.find('\n');
    const std::string_view line = trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = &ini[std::string(trim(line.substr(1, line.size() - 2)))];
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || section == nullptr) {
      throwDamagedSkin(L"line " + std::to_wstring(lineNumber) +
                       L" of its text is neither a section nor a value");
    }
    (*section)[std::string(trim(line.substr(0, equals)))] = trim(line.substr(equals + 1));
  }
  return ini;
}

template <class Number>
std::optional<Number> toNumber(std::string_view text) {
  text = trim(text);
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::vector<std::string_view> splitAtCommas(std::string_view text) {
  std::vector<std::string_view> pieces;
  for (std::size_t start = 0;;) {
    const auto comma = text.find(',', start);
    pieces.push_back(trim(text.substr(start, comma - start)));
    if (comma == std::string_view::npos) return pieces;
    start = comma + 1;
  }
}

// Non-negative numbers, exactly Count of them.
template <std::size_t Count>
std::optional<std::array<int, Count>> toNumbers(std::string_view text) {
  const auto pieces = splitAtCommas(text);
  if (pieces.size() != Count) return std::nullopt;
  std::array<int, Count> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const auto number = toNumber<int>(pieces[i]);
    if (!number || *number < 0) return std::nullopt;
    numbers[i] = *number;
  }
  return numbers;
}

std::optional<int> toCount(std::string_view text) {
  const auto n = toNumbers<1>(text);
  return n ? std::optional((*n)[0]) : std::nullopt;
}

// "left, right": a non-empty run of columns.
std::optional<std::array<int, 2>> toColumns(std::string_view text) {
  const auto n = toNumbers<2>(text);
  if (!n || (*n)[0] >= (*n)[1]) return std::nullopt;
  return n;
}

std::optional<SkinRect> toRect(std::string_view text) {
  const auto n = toNumbers<4>(text);
  if (!n || (*n)[0] >= (*n)[2] || (*n)[1] >= (*n)[3]) return std::nullopt;
  return SkinRect{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
}

// "picture: left, top, right, bottom [/ left, top, right, bottom margins]"
std::optional<PicturePart> toPicturePart(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  PicturePart part;
  const auto picture = trim(text.substr(0, colon));
  if (picture != "frame") {
    const auto number = toNumber<int>(picture);
    if (!number || *number < 0) return std::nullopt;
    part.picture = *number;
  }
  const auto place = text.substr(colon + 1);
  const auto slash = place.find('/');
  const auto rect = toRect(place.substr(0, slash));
  if (!rect) return std::nullopt;
  part.rect = *rect;
  if (slash != std::string_view::npos) {
    const auto m = toNumbers<4>(place.substr(slash + 1));
    if (!m || (*m)[0] + (*m)[2] > rect->width() || (*m)[1] + (*m)[3] > rect->height()) {
      return std::nullopt;
    }
    part.margins = {(*m)[0], (*m)[1], (*m)[2], (*m)[3]};
  }
  return part;
}

// "name, height[, bold]"
std::optional<SkinFont> toFont(std::string_view text) {
  const auto pieces = splitAtCommas(text);
  if (pieces.size() < 2 || pieces.size() > 3 || pieces[0].empty()) return std::nullopt;
  const auto height = toNumber<int>(pieces[1]);
  if (!height || *height <= 0) return std::nullopt;
  if (pieces.size() == 3 && pieces[2] != "bold") return std::nullopt;
  return SkinFont{widen(pieces[0]), *height, pieces.size() == 3};
}

std::optional<SkinColour> toColour(std::string_view text) {
  const auto colour = toNumber<SkinColour>(text);
  if (!colour || *colour > 0xFFFFFF) return std::nullopt;
  return colour;
}

std::optional<TextAlignment> toAlignment(std::string_view text) {
  if (text == "left") return TextAlignment::Left;
  if (text == "centre") return TextAlignment::Centre;
  if (text == "right") return TextAlignment::Right;
  return std::nullopt;
}

std::optional<bool> toYesNo(std::string_view text) {
  if (text == "yes") return true;
  if (text == "no") return false;
  return std::nullopt;
}

// The values of one section, read with the section and key named in every complaint.
class Values {
 public:
  Values(const Ini& ini, std::string_view name) : name_(name) {
    const auto found = ini.find(name);
    if (found == ini.end()) throwDamagedSkin(L"its text has no [" + widen(name) + L"]");
    section_ = &found->second;
  }

  const Section& all() const { return *section_; }
  bool has(std::string_view key) const { return section_->contains(key); }

  std::string_view text(std::string_view key) const {
    const auto found = section_->find(key);
    if (found == section_->end()) complain(key, L"is missing");
    return found->second;
  }

  // The value of `key` as `parse` reads it.
  template <class Parse>
  auto get(std::string_view key, Parse parse) const {
    const auto value = parse(text(key));
    if (!value) complain(key, L"is malformed");
    return *value;
  }

  template <class Parse, class T>
  T get(std::string_view key, Parse parse, T otherwise) const {
    return has(key) ? get(key, parse) : otherwise;
  }

  [[noreturn]] void complain(std::string_view key, const std::wstring& what) const {
    throwDamagedSkin(L"[" + widen(name_) + L"] " + widen(key) + L" " + what);
  }

 private:
  std::string_view name_;
  const Section* section_ = nullptr;
};

SkinFrame readFrame(const Ini& ini) {
  const Values frame(ini, "frame");
  SkinFrame result;
  result.client = frame.get("client", toRect);
  const auto stretch = frame.get("stretch", toColumns);
  result.stretchLeft = stretch[0];
  result.stretchRight = stretch[1];
  result.rolledUpHeight = frame.get("rolled_up_height", toCount);
  result.activeCaption = frame.get("active_caption", toPicturePart);
  result.captionText = frame.get("caption_text", toRect);
  result.captionFont = frame.get("caption_font", toFont);
  result.captionAlignment = frame.get("caption_alignment", toAlignment, TextAlignment::Left);
  result.captionColour = frame.get("caption_colour", toColour);
  result.captionActiveColour = frame.get("caption_active_colour", toColour);

  for (std::size_t i = 0; i < kCaptionButtonCount; ++i) {
    const Values button(ini, kButtonSections[i]);
    CaptionButtonParts& parts = result.buttons[i];
    parts.normal = button.get("normal", toPicturePart);
    if (parts.normal.picture != kFramePicture) {
      button.complain("normal", L"lies outside the frame picture");
    }
    parts.active = button.get("active", toPicturePart);
    if (button.has("disabled")) parts.disabled = button.get("disabled", toPicturePart);
  }
  return result;
}

SkinMenu readMenu(const Ini& ini) {
  const Values menu(ini, "menu");
  SkinMenu result;
  result.font = menu.get("font", toFont);
  result.colour = menu.get("colour", toColour);
  result.highlightColour = menu.get("highlight_colour", toColour);
  result.disabledColour = menu.get("disabled_colour", toColour);
  result.window = menu.get("window", toPicturePart);
  result.item = menu.get("item", toPicturePart);
  result.highlightedItem = menu.get("highlighted_item", toPicturePart);
  result.separator = menu.get("separator", toPicturePart);
  return result;
}

SkinTooltip readTooltip(const Ini& ini) {
  const Values tooltip(ini, "tooltip");
  return {tooltip.get("font", toFont), tooltip.get("colour", toColour),
          tooltip.get("window", toPicturePart)};
}

SkinElement readElement(const Values& values) {
  SkinElement element;
  element.font = values.get("font", toFont);
  element.alignment = values.get("alignment", toAlignment, TextAlignment::Left);
  element.colour = values.get("colour", toColour);
  element.activeColour = values.get("active_colour", toColour, element.colour);
  element.downColour = values.get("down_colour", toColour, element.colour);
  element.disabledColour = values.get("disabled_colour", toColour, element.colour);
  element.fades = values.get("fade", toYesNo, false);
  constexpr std::array<std::string_view, 7> kTextKeys = {
      "font", "alignment", "colour", "active_colour", "down_colour", "disabled_colour", "fade"};
  for (const auto& [key, value] : values.all()) {
    if (std::find(kTextKeys.begin(), kTextKeys.end(), key) == kTextKeys.end()) {
      element.parts[key] = values.get(key, toPicturePart);
    }
  }
  return element;
}

}  // namespace

SkinDescription parseSkinDescription(std::string_view text) {
  const Ini ini = readIni(text);
  SkinDescription skin;
  skin.name = widen(Values(ini, "skin").text("name"));
  skin.frame = readFrame(ini);
  skin.menu = readMenu(ini);
  skin.tooltip = readTooltip(ini);
  for (const auto& [section, values] : ini) {
    if (section.starts_with(kElementPrefix)) {
      skin.elements[section.substr(kElementPrefix.size())] = readElement(Values(ini, section));
    }
  }
  return skin;
}
