#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// Colours as the skin writes them: red in the low byte, as a COLORREF.
using SkinColour = std::uint32_t;

// Right and bottom are exclusive.
struct SkinRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const SkinRect&) const = default;
};

// The fixed borders of a picture part that is drawn at other sizes.
struct SkinMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const SkinMargins&) const = default;
};

// Where a part lies: the frame picture, or one of the further pictures by number.
inline constexpr int kFramePicture = -1;

struct PicturePart {
  int picture = kFramePicture;
  SkinRect rect;
  SkinMargins margins;
  bool operator==(const PicturePart&) const = default;
};

struct SkinFont {
  std::wstring name;
  int height = 0;  // cell height in pixels
  bool bold = false;
  bool operator==(const SkinFont&) const = default;
};

enum class TextAlignment { Left, Centre, Right };

enum class CaptionButtonKind { SystemMenu, Minimize, Maximize, RollUp, Close };
inline constexpr std::size_t kCaptionButtonCount = 5;

struct CaptionButtonParts {
  PicturePart normal;  // in the frame picture; also the button's place in the caption band
  PicturePart active;
  std::optional<PicturePart> disabled;
};

struct SkinFrame {
  SkinRect client;  // in the frame picture
  // Columns of the frame picture that repeat to widen the caption band and the
  // bottom border; what lies right of them keeps its distance to the right edge.
  int stretchLeft = 0;
  int stretchRight = 0;
  int rolledUpHeight = 0;
  PicturePart activeCaption;  // the caption band while the window is active
  SkinRect captionText;       // in the frame picture
  SkinFont captionFont;
  TextAlignment captionAlignment = TextAlignment::Left;
  SkinColour captionColour = 0;
  SkinColour captionActiveColour = 0;
  std::array<CaptionButtonParts, kCaptionButtonCount> buttons;  // by CaptionButtonKind

  const CaptionButtonParts& button(CaptionButtonKind kind) const {
    return buttons[static_cast<std::size_t>(kind)];
  }
};

struct SkinMenu {
  SkinFont font;
  SkinColour colour = 0;
  SkinColour highlightColour = 0;
  SkinColour disabledColour = 0;
  PicturePart window;
  PicturePart item;
  PicturePart highlightedItem;
  PicturePart separator;
};

struct SkinTooltip {
  SkinFont font;
  SkinColour colour = 0;
  PicturePart window;
};

// The look of one kind of control. Colours the skin leaves out are `colour`.
struct SkinElement {
  SkinFont font;
  TextAlignment alignment = TextAlignment::Left;
  SkinColour colour = 0;
  SkinColour activeColour = 0;
  SkinColour downColour = 0;
  SkinColour disabledColour = 0;
  bool fades = false;                        // fades between its normal and active pictures
  std::map<std::string, PicturePart> parts;  // "frame", "normal", "checked", ...
};

struct SkinDescription {
  std::wstring name;
  SkinFrame frame;
  SkinMenu menu;
  SkinTooltip tooltip;
  std::map<std::string, SkinElement> elements;  // by the name the controls ask for
};

// Reads the skin's INI text. Anything missing or malformed throws AppError
// "The stored skin is damaged: ...".
SkinDescription parseSkinDescription(std::string_view text);
