#pragma once

#include <span>

#include "automation/key_action.h"

// Expands the steps in order and hands each key action to `sink` the moment it is
// produced: no list of actions is built, no pause is made between them.
template <class Sink>
void SendMacro(std::span<const MacroStep> steps, Sink&& sink) {
  for (const MacroStep& step : steps) {
    switch (step.Kind) {
      case MacroStepKind::Tap:
        sink(KeyAction{step.Key, false});
        sink(KeyAction{step.Key, true});
        break;
      case MacroStepKind::Chord:
        sink(KeyAction{step.Modifier, false});
        sink(KeyAction{step.Key, false});
        sink(KeyAction{step.Key, true});
        sink(KeyAction{step.Modifier, true});
        break;
      case MacroStepKind::Run:
        for (std::uint32_t i = 0; i < step.Count; ++i) {
          sink(KeyAction{step.Key, false});
          sink(KeyAction{step.Key, true});
        }
        break;
    }
  }
}
