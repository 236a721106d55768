#include "automation/send_macro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "automation/layout_macro.h"
#include "automation/virtual_keys.h"

namespace {

constexpr KeyAction Down(std::uint8_t key) { return {key, false}; }
constexpr KeyAction Up(std::uint8_t key) { return {key, true}; }

std::vector<KeyAction> Record(const std::vector<MacroStep>& steps) {
  std::vector<KeyAction> actions;
  SendMacro(steps, [&](KeyAction action) { actions.push_back(action); });
  return actions;
}

struct ExpansionCase {
  const char* name;
  std::vector<MacroStep> steps;
  std::vector<KeyAction> actions;
};

void PrintTo(const ExpansionCase& c, std::ostream* os) { *os << c.name; }

class SendMacroExpansion : public testing::TestWithParam<ExpansionCase> {};

TEST_P(SendMacroExpansion, DeliversTheKeyActionsOfEachStepInListOrder) {
  EXPECT_EQ(Record(GetParam().steps), GetParam().actions);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SendMacroExpansion,
    testing::Values(
        ExpansionCase{"EmptyList", {}, {}},
        ExpansionCase{"Tap", {{MacroStepKind::Tap, 0, kKeyV, 0}}, {Down(kKeyV), Up(kKeyV)}},
        ExpansionCase{"ChordHoldsItsModifierAroundTheKey",
                      {{MacroStepKind::Chord, kControl, kKeyJ, 0}},
                      {Down(kControl), Down(kKeyJ), Up(kKeyJ), Up(kControl)}},
        ExpansionCase{"EmptyRun", {{MacroStepKind::Run, 0, kUp, 0}}, {}},
        ExpansionCase{"RunOfThree",
                      {{MacroStepKind::Run, 0, kDown, 3}},
                      {Down(kDown), Up(kDown), Down(kDown), Up(kDown), Down(kDown), Up(kDown)}},
        // Fields a step kind does not use are ignored.
        ExpansionCase{"UnusedFieldsIgnored",
                      {{MacroStepKind::Tap, kAlt, kKeyA, 5},
                       {MacroStepKind::Chord, kAlt, kKeyE, 5},
                       {MacroStepKind::Run, kControl, kRight, 1}},
                      {Down(kKeyA), Up(kKeyA), Down(kAlt), Down(kKeyE), Up(kKeyE), Up(kAlt),
                       Down(kRight), Up(kRight)}},
        ExpansionCase{"MixedList",
                      {{MacroStepKind::Chord, kAlt, kKeyE, 0},
                       {MacroStepKind::Run, 0, kRight, 0},
                       {MacroStepKind::Tap, 0, kKeyA, 0},
                       {MacroStepKind::Run, 0, kUp, 2},
                       {MacroStepKind::Chord, kControl, kKeyJ, 0}},
                      {Down(kAlt), Down(kKeyE), Up(kKeyE), Up(kAlt),
                       Down(kKeyA), Up(kKeyA),
                       Down(kUp), Up(kUp), Down(kUp), Up(kUp),
                       Down(kControl), Down(kKeyJ), Up(kKeyJ), Up(kControl)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SendMacroRun, LongRunAlternatesPressAndReleaseOfItsKey) {
  for (std::uint32_t count : {1u, 2u, 65537u}) {
    SCOPED_TRACE(count);
    const std::vector<MacroStep> steps = {{MacroStepKind::Run, 0, kRight, count}};
    std::uint64_t delivered = 0;
    bool alternates = true;
    SendMacro(steps, [&](KeyAction action) {
      // A counter that wraps would never end the run: stop it here as a failure.
      if (delivered == 2ull * count) throw std::length_error("run sends too many actions");
      alternates = alternates && action == KeyAction{kRight, delivered % 2 == 1};
      ++delivered;
    });
    EXPECT_EQ(delivered, 2ull * count);
    EXPECT_TRUE(alternates);
  }
}

// ---------------------------------------------------------------------------

// Replays the actions against a keyboard: a key goes down only when it is up, a
// release lifts the key that went down last, only a chord's modifier stays down
// under another key, and nothing is left down at the end.
testing::AssertionResult KeysBalance(const std::vector<KeyAction>& actions) {
  std::vector<std::uint8_t> held;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    const KeyAction& action = actions[i];
    if (!action.IsRelease) {
      if (std::find(held.begin(), held.end(), action.VirtualKey) != held.end())
        return testing::AssertionFailure() << "key already down at action " << i;
      if (!held.empty() && held.front() != kControl && held.front() != kAlt)
        return testing::AssertionFailure() << "two keys down without a modifier at action " << i;
      if (held.size() == 2)
        return testing::AssertionFailure() << "three keys down at action " << i;
      held.push_back(action.VirtualKey);
    } else {
      if (held.empty() || held.back() != action.VirtualKey)
        return testing::AssertionFailure() << "release without its press at action " << i;
      held.pop_back();
    }
  }
  if (!held.empty()) return testing::AssertionFailure() << held.size() << " keys left down";
  return testing::AssertionSuccess();
}

class SendMacroKeyState : public testing::TestWithParam<LayoutChoice> {};

TEST_P(SendMacroKeyState, ReleasesEveryKeyItPressesAndLeavesNoneDown) {
  const std::pair<std::int32_t, std::int32_t> spacings[] = {
      {106, 141}, {0, 0}, {-58, -58},
      {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}};
  for (const auto& [hSpacing, vSpacing] : spacings) {
    SCOPED_TRACE(testing::Message() << hSpacing << ", " << vSpacing);
    EXPECT_TRUE(KeysBalance(Record(BuildLayoutMacro(GetParam(), hSpacing, vSpacing))));
  }
}

INSTANTIATE_TEST_SUITE_P(AllChoices, SendMacroKeyState,
                         testing::Values(LayoutChoice::OneInchNine, LayoutChoice::TwoInchFour,
                                         LayoutChoice::OneInchTwelve, LayoutChoice::TwoInchSix,
                                         LayoutChoice::NoLayout));

}  // namespace
