#include "automation/layout_macro.h"

#include <algorithm>

#include "automation/virtual_keys.h"

namespace {

constexpr MacroStep tap(std::uint8_t key) { return {MacroStepKind::Tap, 0, key, 0}; }
constexpr MacroStep chord(std::uint8_t modifier, std::uint8_t key) {
  return {MacroStepKind::Chord, modifier, key, 0};
}
constexpr MacroStep run(std::uint8_t key, std::uint32_t count) { return {MacroStepKind::Run, 0, key, count}; }
constexpr MacroStep kCopy = chord(kControl, kKeyJ);

// max(0, spacing + offset), formed in 64 bits so a very negative spacing cannot
// wrap into a huge run, and capped so a very large one cannot freeze the window.
std::uint32_t runLength(std::int32_t spacing, int offset) {
  const std::int64_t length = std::int64_t{spacing} + offset;
  return static_cast<std::uint32_t>(std::clamp<std::int64_t>(length, 0, kMaxRunLength));
}

// Both one-inch sheets walk a grid row by row, turning at the row ends.
void appendSnakeGrid(std::vector<MacroStep>& steps, int rows, std::uint32_t h, std::uint32_t v) {
  steps.push_back(run(kUp, 212));
  steps.push_back(run(kLeft, 134));
  for (int row = 0; row < rows; ++row) {
    const std::uint8_t across = row % 2 == 0 ? kRight : kLeft;
    if (row > 0) {
      steps.push_back(kCopy);
      steps.push_back(run(kDown, v));
    }
    for (int column = 1; column < 3; ++column) {
      steps.push_back(kCopy);
      steps.push_back(run(across, h));
    }
  }
}

}  // namespace

std::vector<MacroStep> BuildLayoutMacro(LayoutChoice choice, std::int32_t hSpacing,
                                        std::int32_t vSpacing) {
  std::vector<MacroStep> steps{chord(kControl, kKey0), chord(kControl, kKeyV), tap(kKeyV)};
  switch (choice) {
    case LayoutChoice::OneInchNine:
      appendSnakeGrid(steps, 3, runLength(hSpacing, 1), runLength(vSpacing, 1));
      break;
    case LayoutChoice::OneInchTwelve:
      appendSnakeGrid(steps, 4, runLength(hSpacing, -1), runLength(vSpacing, -1));
      break;
    case LayoutChoice::TwoInchFour: {
      const std::uint32_t h = runLength(hSpacing, 38);
      steps.insert(steps.end(), {run(kUp, 184), run(kLeft, 115), kCopy, run(kRight, h), kCopy,
                                 run(kDown, runLength(vSpacing, 58)), kCopy, run(kLeft, h)});
      break;
    }
    case LayoutChoice::TwoInchSix: {
      const std::uint32_t s = runLength(vSpacing, -1);
      // After the second photo of the left column, Alt+E, A, 9 turns the copy a
      // quarter for the right column.
      steps.insert(steps.end(),
                   {run(kUp, 184), run(kLeft, 115), kCopy, run(kDown, runLength(vSpacing, 58)),
                    kCopy, chord(kAlt, kKeyE), tap(kKeyA), tap(kKey9),
                    run(kUp, runLength(vSpacing, 86)), run(kRight, runLength(hSpacing, 67)), kCopy,
                    run(kDown, s), kCopy, run(kDown, s), kCopy, run(kDown, s)});
      break;
    }
    case LayoutChoice::NoLayout:
      break;
  }
  return steps;
}
