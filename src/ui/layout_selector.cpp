#include "ui/layout_selector.h"

LayoutChoice CurrentLayout(const std::array<bool, 4>& checkedInBoxOrder) {
  for (std::size_t i = 0; i < kLayoutBoxOrder.size(); ++i) {
    if (checkedInBoxOrder[i]) return kLayoutBoxOrder[i];
  }
  return LayoutChoice::NoLayout;
}

std::array<LayoutChoice, 3> boxesToUncheck(LayoutChoice checkedBox) {
  using enum LayoutChoice;
  switch (checkedBox) {
    case OneInchNine: return {TwoInchFour, OneInchTwelve, TwoInchSix};
    case TwoInchFour: return {OneInchNine, OneInchTwelve, TwoInchSix};
    case OneInchTwelve: return {OneInchNine, TwoInchFour, TwoInchSix};
    case TwoInchSix: return {OneInchNine, OneInchTwelve, TwoInchFour};
    case NoLayout: break;
  }
  return {NoLayout, NoLayout, NoLayout};
}
