#pragma once

#include <cstdint>

// One keyboard event.
struct KeyAction {
  std::uint8_t VirtualKey;
  bool IsRelease;
  bool operator==(const KeyAction&) const = default;
};

enum class MacroStepKind : std::uint8_t { Tap, Chord, Run };

// One step of a macro. A run stays one step with a count and is expanded only
// while it is sent, so a macro's size does not grow with the spacing values.
struct MacroStep {
  MacroStepKind Kind;
  std::uint8_t Modifier;  // Chord only
  std::uint8_t Key;
  std::uint32_t Count;    // Run only; 0 sends nothing
  bool operator==(const MacroStep&) const = default;
};
