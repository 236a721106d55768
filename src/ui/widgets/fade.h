#pragma once

#include <windows.h>

#include <algorithm>

// How far a part of the window has gone from its normal look (0) towards its
// active look (255). Each tick of its owner's timer takes it one step closer to
// where it is aimed, so the two looks blend for a moment instead of switching.
class Fade {
 public:
  static constexpr UINT kTickMs = 15;
  static constexpr int kSteps = 8;

  // `smoothly` false: the look switches at once (for parts the skin does not fade).
  void aim(bool active, bool smoothly = true) {
    target_ = active ? 255 : 0;
    if (!smoothly) level_ = target_;
  }
  bool moving() const { return level_ != target_; }
  void step() {
    constexpr int kStep = (255 + kSteps - 1) / kSteps;
    level_ = level_ < target_ ? std::min(level_ + kStep, target_) : std::max(level_ - kStep, target_);
  }
  BYTE level() const { return static_cast<BYTE>(level_); }

 private:
  int level_ = 0;
  int target_ = 0;
};

// The colour `level` of the way from `from` to `to`.
inline COLORREF mixColours(COLORREF from, COLORREF to, BYTE level) {
  const auto mix = [level](BYTE a, BYTE b) { return static_cast<BYTE>(a + (b - a) * level / 255); };
  return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
             mix(GetBValue(from), GetBValue(to)));
}

// Timer ids of the fades on a window, apart from each other and from the
// program's own timers.
enum FadeTimer : UINT_PTR { kControlFadeTimer = 0xFAD0, kFrameFadeTimer = 0xFAD1 };
