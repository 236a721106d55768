#include "automation/layout_macro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "automation/send_macro.h"
#include "automation/virtual_keys.h"

namespace {

constexpr std::int32_t kMinSpacing = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxSpacing = std::numeric_limits<std::int32_t>::max();

std::vector<KeyAction> Expand(const std::vector<MacroStep>& steps) {
  std::vector<KeyAction> actions;
  SendMacro(steps, [&](KeyAction action) { actions.push_back(action); });
  return actions;
}

std::vector<KeyAction> Expand(LayoutChoice choice, std::int32_t hSpacing, std::int32_t vSpacing) {
  return Expand(BuildLayoutMacro(choice, hSpacing, vSpacing));
}

struct Point {
  int x;
  int y;
  bool operator==(const Point&) const = default;
};

void PrintTo(const Point& point, std::ostream* os) {
  *os << '(' << point.x << ", " << point.y << ')';
}

// Where the photo stands, in arrow presses from where the first arrow press
// starts: at each Ctrl+J, then once more after the last key.
std::vector<Point> VisitedPositions(std::span<const KeyAction> actions) {
  std::vector<Point> visited;
  Point at{0, 0};
  bool controlDown = false;
  for (const KeyAction& action : actions) {
    if (action.VirtualKey == kControl) controlDown = !action.IsRelease;
    if (action.IsRelease) continue;
    switch (action.VirtualKey) {
      case kLeft: --at.x; break;
      case kRight: ++at.x; break;
      case kUp: --at.y; break;
      case kDown: ++at.y; break;
      case kKeyJ:
        if (controlDown) visited.push_back(at);
        break;
      default: break;
    }
  }
  visited.push_back(at);
  return visited;
}

// The actions after the prologue as the layout tables write them: "^J" for
// Ctrl+J, "!E" for Alt+E, "A" for a tap of A, "U212" for 212 up presses in a row
// (L, R and D likewise). Expects well-formed steps; malformed ones throw.
std::string Describe(const std::vector<KeyAction>& actions) {
  constexpr std::size_t kPrologueActions = 10;
  std::string text;
  for (std::size_t i = kPrologueActions; i < actions.size();) {
    const std::uint8_t key = actions.at(i).VirtualKey;
    if (!text.empty()) text += ' ';
    if (key == kControl || key == kAlt) {
      text += key == kControl ? '^' : '!';
      text += static_cast<char>(actions.at(i + 1).VirtualKey);
      i += 4;
    } else if (key >= kLeft && key <= kDown) {
      int presses = 0;
      for (; i < actions.size() && actions[i].VirtualKey == key; i += 2) ++presses;
      text += "LURD"[key - kLeft] + std::to_string(presses);
    } else {
      text += static_cast<char>(key);
      i += 2;
    }
  }
  return text;
}

std::vector<Point> Repeated(Point point, std::size_t times) {
  return std::vector<Point>(times, point);
}

// ---------------------------------------------------------------------------

struct MacroFigures {
  const char* name;
  LayoutChoice choice;
  std::size_t stepsAfterPrologue;
  std::size_t copyChords;
  std::size_t actionsWithDefaults;  // spacing 106, 141
  std::size_t actionsWithZero;      // spacing 0, 0
};

void PrintTo(const MacroFigures& c, std::ostream* os) { *os << c.name; }

class LayoutMacroFigures : public testing::TestWithParam<MacroFigures> {};

TEST_P(LayoutMacroFigures, HasTheLayoutsStepsChordsAndKeyActionCounts) {
  const MacroFigures& expected = GetParam();
  const std::vector<MacroStep> steps = BuildLayoutMacro(expected.choice, 106, 141);
  const std::vector<KeyAction> actions = Expand(steps);
  EXPECT_EQ(steps.size(), 3 + expected.stepsAfterPrologue);
  EXPECT_EQ(VisitedPositions(actions).size() - 1, expected.copyChords);
  EXPECT_EQ(actions.size(), expected.actionsWithDefaults);
  EXPECT_EQ(Expand(expected.choice, 0, 0).size(), expected.actionsWithZero);
}

INSTANTIATE_TEST_SUITE_P(
    AllChoices, LayoutMacroFigures,
    testing::Values(MacroFigures{"OneInchNine", LayoutChoice::OneInchNine, 18, 8, 2586, 750},
                    MacroFigures{"TwoInchFour", LayoutChoice::TwoInchFour, 8, 3, 1594, 888},
                    MacroFigures{"OneInchTwelve", LayoutChoice::OneInchTwelve, 24, 11, 3266, 746},
                    MacroFigures{"TwoInchSix", LayoutChoice::TwoInchSix, 16, 5, 2674, 1058},
                    MacroFigures{"NoLayout", LayoutChoice::NoLayout, 0, 0, 10, 10}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------

TEST(LayoutMacroPrologue, PastesAndSelectsTheSameWayForEveryChoice) {
  const std::vector<KeyAction> prologue = {
      {kControl, false}, {kKey0, false}, {kKey0, true}, {kControl, true},   // Ctrl+0
      {kControl, false}, {kKeyV, false}, {kKeyV, true}, {kControl, true},   // Ctrl+V
      {kKeyV, false},    {kKeyV, true}};                                    // V
  for (LayoutChoice choice : {LayoutChoice::OneInchNine, LayoutChoice::TwoInchFour,
                              LayoutChoice::OneInchTwelve, LayoutChoice::TwoInchSix,
                              LayoutChoice::NoLayout}) {
    SCOPED_TRACE(static_cast<int>(choice));
    const std::vector<KeyAction> actions = Expand(choice, 106, 141);
    ASSERT_GE(actions.size(), prologue.size());
    EXPECT_TRUE(std::equal(prologue.begin(), prologue.end(), actions.begin()));
  }
  EXPECT_EQ(Expand(LayoutChoice::NoLayout, kMaxSpacing, kMinSpacing), prologue);
}

// ---------------------------------------------------------------------------

TEST(LayoutMacroKeys, FollowTheLayoutTablesKeyForKey) {
  struct Case {
    LayoutChoice choice;
    std::int32_t hSpacing;
    std::int32_t vSpacing;
    const char* keys;
  };
  const Case cases[] = {
      {LayoutChoice::OneInchNine, 106, 141,
       "U212 L134 ^J R107 ^J R107 ^J D142 ^J L107 ^J L107 ^J D142 ^J R107 ^J R107"},
      {LayoutChoice::TwoInchFour, 106, 141, "U184 L115 ^J R144 ^J D199 ^J L144"},
      {LayoutChoice::OneInchTwelve, 106, 141,
       "U212 L134 ^J R105 ^J R105 ^J D140 ^J L105 ^J L105 ^J D140 ^J R105 ^J R105 ^J D140 "
       "^J L105 ^J L105"},
      {LayoutChoice::TwoInchSix, 106, 141,
       "U184 L115 ^J D199 ^J !E A 9 U227 R173 ^J D140 ^J D140 ^J D140"},
      // An empty run drops only its own presses.
      {LayoutChoice::TwoInchSix, 106, -58, "U184 L115 ^J ^J !E A 9 U28 R173 ^J ^J ^J"},
      {LayoutChoice::NoLayout, 106, 141, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.choice));
    EXPECT_EQ(Describe(Expand(c.choice, c.hSpacing, c.vSpacing)), c.keys);
  }
}

// ---------------------------------------------------------------------------

// The positions are the figures of the layout tables. The action count guards
// against runs that cancel each other out between two positions.
struct PositionCase {
  const char* name;
  LayoutChoice choice;
  std::int32_t hSpacing;
  std::int32_t vSpacing;
  std::vector<Point> positions;
  std::size_t actions;
};

void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }

class LayoutMacroPositions : public testing::TestWithParam<PositionCase> {};

TEST_P(LayoutMacroPositions, VisitsThePhotoPositionsInSheetOrder) {
  const PositionCase& c = GetParam();
  const std::vector<KeyAction> actions = Expand(c.choice, c.hSpacing, c.vSpacing);
  EXPECT_EQ(VisitedPositions(actions), c.positions);
  EXPECT_EQ(actions.size(), c.actions);
}

INSTANTIATE_TEST_SUITE_P(
    Spacings, LayoutMacroPositions,
    testing::Values(
        PositionCase{"OneInchNine_Defaults", LayoutChoice::OneInchNine, 106, 141,
                     {{-134, -212}, {-27, -212}, {80, -212},
                      {80, -70}, {-27, -70}, {-134, -70},
                      {-134, 72}, {-27, 72}, {80, 72}},
                     2586},
        PositionCase{"TwoInchFour_Defaults", LayoutChoice::TwoInchFour, 106, 141,
                     {{-115, -184}, {29, -184}, {29, 15}, {-115, 15}},
                     1594},
        PositionCase{"OneInchTwelve_Defaults", LayoutChoice::OneInchTwelve, 106, 141,
                     {{-134, -212}, {-29, -212}, {76, -212},
                      {76, -72}, {-29, -72}, {-134, -72},
                      {-134, 68}, {-29, 68}, {76, 68},
                      {76, 208}, {-29, 208}, {-134, 208}},
                     3266},
        PositionCase{"TwoInchSix_Defaults", LayoutChoice::TwoInchSix, 106, 141,
                     {{-115, -184}, {-115, 15},
                      {58, -212}, {58, -72}, {58, 68}, {58, 208}},
                     2674},
        PositionCase{"OneInchNine_Zero", LayoutChoice::OneInchNine, 0, 0,
                     {{-134, -212}, {-133, -212}, {-132, -212},
                      {-132, -211}, {-133, -211}, {-134, -211},
                      {-134, -210}, {-133, -210}, {-132, -210}},
                     750},
        PositionCase{"TwoInchFour_Zero", LayoutChoice::TwoInchFour, 0, 0,
                     {{-115, -184}, {-77, -184}, {-77, -126}, {-115, -126}},
                     888},
        PositionCase{"OneInchTwelve_Zero", LayoutChoice::OneInchTwelve, 0, 0,
                     Repeated({-134, -212}, 12), 746},
        PositionCase{"TwoInchSix_Zero", LayoutChoice::TwoInchSix, 0, 0,
                     {{-115, -184}, {-115, -126},
                      {-48, -212}, {-48, -212}, {-48, -212}, {-48, -212}},
                     1058},
        // No sideways press after the fixed move, but every chord and both down runs.
        PositionCase{"OneInchNine_HSpacingMinus1", LayoutChoice::OneInchNine, -1, 141,
                     {{-134, -212}, {-134, -212}, {-134, -212},
                      {-134, -70}, {-134, -70}, {-134, -70},
                      {-134, 72}, {-134, 72}, {-134, 72}},
                     1302},
        // Eleven Ctrl+J back to back after the fixed move.
        PositionCase{"OneInchTwelve_SpacingsOne", LayoutChoice::OneInchTwelve, 1, 1,
                     Repeated({-134, -212}, 12), 746},
        PositionCase{"OneInchTwelve_SpacingsNegative", LayoutChoice::OneInchTwelve, -300, -7,
                     Repeated({-134, -212}, 12), 746},
        PositionCase{"TwoInchFour_HSpacingMinus38", LayoutChoice::TwoInchFour, -38, 141,
                     {{-115, -184}, {-115, -184}, {-115, 15}, {-115, 15}},
                     1018},
        PositionCase{"TwoInchFour_HSpacingMinus37", LayoutChoice::TwoInchFour, -37, 141,
                     {{-115, -184}, {-114, -184}, {-114, 15}, {-115, 15}},
                     1022},
        // The first down run is empty; the up run still climbs 28 presses.
        PositionCase{"TwoInchSix_VSpacingMinus58", LayoutChoice::TwoInchSix, 106, -58,
                     {{-115, -184}, {-115, -184},
                      {58, -212}, {58, -212}, {58, -212}, {58, -212}},
                     1038}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------

struct SheetStart {
  LayoutChoice choice;
  Point firstPosition;
  std::size_t photos;
};

constexpr SheetStart kSheets[] = {
    {LayoutChoice::OneInchNine, {-134, -212}, 9},
    {LayoutChoice::TwoInchFour, {-115, -184}, 4},
    {LayoutChoice::OneInchTwelve, {-134, -212}, 12},
    {LayoutChoice::TwoInchSix, {-115, -184}, 6},
};

TEST(LayoutMacroExtremes, MostNegativeSpacingEmptiesRunsInsteadOfWrapping) {
  for (const SheetStart& sheet : kSheets) {
    SCOPED_TRACE(static_cast<int>(sheet.choice));
    EXPECT_EQ(VisitedPositions(Expand(sheet.choice, kMinSpacing, kMinSpacing)),
              Repeated(sheet.firstPosition, sheet.photos));

    const std::vector<Point> visited = VisitedPositions(Expand(sheet.choice, kMinSpacing, 141));
    ASSERT_EQ(visited.size(), sheet.photos);
    for (const Point& position : visited) EXPECT_EQ(position.x, sheet.firstPosition.x);
  }
}

TEST(LayoutMacroExtremes, LargestSpacingGivesCappedRunsAndABoundedMacro) {
  struct Case {
    LayoutChoice choice;
    std::size_t actions;  // every spacing run at the cap
  };
  for (const Case& c : {Case{LayoutChoice::OneInchNine, 160734},
                        Case{LayoutChoice::TwoInchFour, 60620},
                        Case{LayoutChoice::OneInchTwelve, 220746},
                        Case{LayoutChoice::TwoInchSix, 120636}}) {
    SCOPED_TRACE(static_cast<int>(c.choice));
    const std::vector<MacroStep> steps = BuildLayoutMacro(c.choice, kMaxSpacing, kMaxSpacing);
    EXPECT_LE(steps.size(), 27u);
    for (const MacroStep& step : steps) EXPECT_LE(step.Count, kMaxRunLength);
    EXPECT_EQ(Expand(steps).size(), c.actions);
  }
}

TEST(LayoutMacroExtremes, RunsUpToTheCapAreExactAndLongerOnesStopAtIt) {
  struct Case {
    std::int32_t spacing;
    int run;  // "1寸9张" runs are spacing + 1 presses long
  };
  for (const Case& c : {Case{9998, 9999}, Case{9999, 10000}, Case{10000, 10000},
                        Case{kMaxSpacing, 10000}}) {
    SCOPED_TRACE(c.spacing);
    const std::vector<Point> visited =
        VisitedPositions(Expand(LayoutChoice::OneInchNine, c.spacing, c.spacing));
    ASSERT_EQ(visited.size(), 9u);
    EXPECT_EQ(visited[1].x - visited[0].x, c.run);
    EXPECT_EQ(visited[3].y - visited[2].y, c.run);
  }
}

}  // namespace
