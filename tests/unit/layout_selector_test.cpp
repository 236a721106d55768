#include "ui/layout_selector.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using enum LayoutChoice;

TEST(CurrentLayout, ReadsTheFirstCheckedBoxInSelectorOrder) {
  struct Case {
    std::array<bool, 4> checked;  // "1寸9张", "2寸4张", "1寸12张", "2寸6张"
    LayoutChoice expected;
  };
  const Case cases[] = {
      {{false, false, false, false}, NoLayout},
      {{true, false, false, false}, OneInchNine},
      {{false, true, false, false}, TwoInchFour},
      {{false, false, true, false}, OneInchTwelve},
      {{false, false, false, true}, TwoInchSix},
      // Never the case while the boxes exclude each other, but the order is fixed.
      {{true, true, true, true}, OneInchNine},
      {{false, true, true, false}, TwoInchFour},
      {{false, false, true, true}, OneInchTwelve},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.checked[0] << c.checked[1] << c.checked[2]
                                    << c.checked[3]);
    EXPECT_EQ(CurrentLayout(c.checked), c.expected);
  }
}

TEST(LayoutSelector, CheckingABoxUnchecksTheOtherThreeInHandlerOrder) {
  struct Case {
    LayoutChoice checked;
    std::array<LayoutChoice, 3> unchecked;
  };
  const Case cases[] = {
      {OneInchNine, {TwoInchFour, OneInchTwelve, TwoInchSix}},
      {TwoInchFour, {OneInchNine, OneInchTwelve, TwoInchSix}},
      {OneInchTwelve, {OneInchNine, TwoInchFour, TwoInchSix}},
      {TwoInchSix, {OneInchNine, OneInchTwelve, TwoInchFour}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.checked));
    EXPECT_EQ(boxesToUncheck(c.checked), c.unchecked);
  }
}

}  // namespace
