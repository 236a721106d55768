#include "ui/skin/skin_ini.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/app_error.h"
#include "skin_test_files.h"

namespace {

constexpr SkinColour kBlack = 0;
constexpr SkinColour kGreen = 32768;
constexpr SkinColour kBrightGreen = 65280;
constexpr SkinColour kDarkGreen = 16384;
constexpr SkinColour kGrey = 8421504;
constexpr SkinColour kSilver = 12632256;

TEST(SkinIni, ReadsTheFrameCaptionAndButtons) {
  const SkinDescription skin = parseSkinDescription(realSkinText());

  EXPECT_EQ(skin.name, L"GreenLight");
  const SkinFrame& frame = skin.frame;
  EXPECT_EQ(frame.client, (SkinRect{7, 30, 109, 79}));
  EXPECT_EQ(frame.rolledUpHeight, 38);
  EXPECT_EQ(frame.captionFont, (SkinFont{L"Arial", 14, true}));
  EXPECT_EQ(frame.captionAlignment, TextAlignment::Left);
  EXPECT_EQ(frame.captionColour, kGreen);
  EXPECT_EQ(frame.captionActiveColour, kBrightGreen);
  EXPECT_EQ(frame.activeCaption.picture, 0);

  for (const CaptionButtonKind kind :
       {CaptionButtonKind::SystemMenu, CaptionButtonKind::Minimize, CaptionButtonKind::Maximize,
        CaptionButtonKind::RollUp, CaptionButtonKind::Close}) {
    SCOPED_TRACE(static_cast<int>(kind));
    const CaptionButtonParts& button = frame.button(kind);
    EXPECT_EQ(button.normal.picture, kFramePicture);
    EXPECT_EQ(button.active.picture, 0);
    EXPECT_EQ(button.disabled.has_value(), kind != CaptionButtonKind::Close);
  }
  EXPECT_EQ(frame.button(CaptionButtonKind::Close).normal.rect, (SkinRect{92, 7, 108, 23}));
}

TEST(SkinIni, ReadsTheMenuAndTooltip) {
  const SkinDescription skin = parseSkinDescription(realSkinText());

  EXPECT_EQ(skin.menu.font, (SkinFont{L"Arial", 14, false}));
  EXPECT_EQ(skin.menu.colour, kGreen);
  EXPECT_EQ(skin.menu.highlightColour, kBrightGreen);
  EXPECT_EQ(skin.menu.disabledColour, kDarkGreen);
  EXPECT_EQ(skin.menu.window.picture, 1);
  EXPECT_EQ(skin.menu.item.picture, 2);
  EXPECT_EQ(skin.menu.window.margins, (SkinMargins{4, 4, 4, 4}));
  EXPECT_EQ(skin.tooltip.font, (SkinFont{L"Arial", 14, false}));
  EXPECT_EQ(skin.tooltip.colour, kBrightGreen);
  EXPECT_EQ(skin.tooltip.window.picture, 4);
}

struct ElementCase {
  const char* name;
  SkinFont font;
  TextAlignment alignment;
  SkinColour colour;
  SkinColour active;
  SkinColour down;
  SkinColour disabled;
  bool fades;
  std::vector<std::string> parts;  // what the control draws with
};

void PrintTo(const ElementCase& c, std::ostream* os) { *os << c.name; }

class SkinElements : public testing::TestWithParam<ElementCase> {};

TEST_P(SkinElements, HaveTheirFontColoursAndParts) {
  const ElementCase& expected = GetParam();
  const SkinDescription skin = parseSkinDescription(realSkinText());

  ASSERT_TRUE(skin.elements.contains(expected.name));
  const SkinElement& element = skin.elements.at(expected.name);
  EXPECT_EQ(element.font, expected.font);
  EXPECT_EQ(element.alignment, expected.alignment);
  EXPECT_EQ(element.colour, expected.colour);
  EXPECT_EQ(element.activeColour, expected.active);
  EXPECT_EQ(element.downColour, expected.down);
  EXPECT_EQ(element.disabledColour, expected.disabled);
  EXPECT_EQ(element.fades, expected.fades);
  for (const std::string& part : expected.parts) {
    EXPECT_EQ(element.parts.count(part), 1u) << part;
    EXPECT_EQ(element.parts.at(part).picture, 3) << part;
  }
}

using enum TextAlignment;
const SkinFont kArial14{L"Arial", 14, false};
const SkinFont kArial12{L"Arial", 12, false};

INSTANTIATE_TEST_SUITE_P(
    TheWindowsControls, SkinElements,
    testing::Values(
        ElementCase{"groupbox",
                    kArial14,
                    Centre,
                    kBrightGreen,
                    kBrightGreen,
                    kBrightGreen,
                    kBrightGreen,
                    false,
                    {"caption", "frame"}},
        ElementCase{"toolbutton",
                    kArial14,
                    Left,
                    kGreen,
                    kBrightGreen,
                    kBrightGreen,
                    kGrey,
                    true,
                    {"normal", "active", "down", "disabled"}},
        ElementCase{"edit",
                    kArial14,
                    Left,
                    kGreen,
                    kBrightGreen,
                    kGreen,
                    kGrey,
                    false,
                    {"normal", "active", "disabled"}},
        ElementCase{"checkbox",
                    kArial14,
                    Left,
                    kBlack,
                    kBlack,
                    kBlack,
                    kSilver,
                    true,
                    {"unchecked", "unchecked_active", "checked", "checked_active",
                     "unchecked_disabled", "checked_disabled"}},
        ElementCase{"panel", kArial12, Centre, kBlack, kBlack, kBlack, kBlack, false, {"frame"}},
        ElementCase{
            "statusbar", kArial12, Centre, kBlack, kBlack, kBlack, kBlack, false, {"frame"}},
        ElementCase{"statuspanel",
                    kArial14,
                    Left,
                    kBrightGreen,
                    kBrightGreen,
                    kBrightGreen,
                    kBrightGreen,
                    false,
                    {"frame"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Damage {
  const char* name;
  std::string find;
  std::string replace;
  std::wstring complaint;
};

void PrintTo(const Damage& c, std::ostream* os) { *os << c.name; }

class SkinIniDamage : public testing::TestWithParam<Damage> {};

TEST_P(SkinIniDamage, NamesWhereTheTextIsWrong) {
  const Damage& damage = GetParam();
  std::string text = realSkinText();
  const auto at = text.find(damage.find);
  ASSERT_NE(at, std::string::npos) << damage.find;
  text.replace(at, damage.find.size(), damage.replace);

  try {
    parseSkinDescription(text);
    FAIL() << "a damaged text was read";
  } catch (const AppError& error) {
    EXPECT_TRUE(error.message().starts_with(L"The stored skin is damaged: "));
    EXPECT_NE(error.message().find(damage.complaint), std::wstring::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkinIniDamage,
    testing::Values(
        Damage{"ThreeNumbersForARectangle", "client = 7, 30, 109, 79", "client = 7, 30, 109",
               L"[frame] client is malformed"},
        Damage{"EmptyRectangle", "caption_text = 28, 0, 40, 30", "caption_text = 28, 0, 28, 30",
               L"[frame] caption_text is malformed"},
        Damage{"MissingKey", "rolled_up_height = 38\n", "", L"[frame] rolled_up_height is missing"},
        Damage{"MissingSection", "[menu]", "[menus]", L"no [menu]"},
        Damage{"FontHeightNotANumber", "caption_font = Arial, 14, bold",
               "caption_font = Arial, fourteen, bold", L"[frame] caption_font is malformed"},
        Damage{"ColourWiderThan24Bits", "[element.statuspanel]\nfont = Arial, 14\ncolour = 65280",
               "[element.statuspanel]\nfont = Arial, 14\ncolour = 16777216",
               L"[element.statuspanel] colour is malformed"},
        Damage{"UnknownAlignment", "[element.panel]\nfont = Arial, 12\nalignment = centre",
               "[element.panel]\nfont = Arial, 12\nalignment = center",
               L"[element.panel] alignment is malformed"},
        Damage{"PartWithoutPicture", "window = 4: 0, 0, 36, 17", "window = 0, 0, 36, 17",
               L"[tooltip] window is malformed"},
        Damage{"MarginsWiderThanThePart", "frame = 3: 264, 0, 324, 21 / 3, 3, 3, 3",
               "frame = 3: 264, 0, 324, 21 / 3, 30, 3, 3",
               L"[element.statuspanel] frame is malformed"},
        Damage{"ButtonOutsideTheFramePicture", "normal = frame: 92, 7, 108, 23",
               "normal = 0: 92, 7, 108, 23", L"[button.close] normal lies outside the frame"},
        Damage{"LineWithoutValue", "[skin]\n", "[skin]\nGreenLight\n",
               L"is neither a section nor a value"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
