#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "automation/layout_macro.h"
#include "automation/send_macro.h"

namespace {

// One Ctrl+F without the platform: build the macro with the default spacing and
// expand it into a sink that only counts. Each action is kept observable so the
// compiler cannot fold a run into one addition.
void BuildAndExpand(benchmark::State& state, LayoutChoice choice) {
  std::uint64_t actions = 0;
  for (auto _ : state) {
    const std::vector<MacroStep> steps = BuildLayoutMacro(choice, 106, 141);
    SendMacro(steps, [&](KeyAction action) {
      benchmark::DoNotOptimize(action);
      ++actions;
    });
  }
  benchmark::DoNotOptimize(actions);
  state.SetItemsProcessed(static_cast<std::int64_t>(actions));
  state.counters["actions"] =
      benchmark::Counter(static_cast<double>(actions), benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(BuildAndExpand, OneInchNine, LayoutChoice::OneInchNine);
BENCHMARK_CAPTURE(BuildAndExpand, TwoInchFour, LayoutChoice::TwoInchFour);
BENCHMARK_CAPTURE(BuildAndExpand, OneInchTwelve, LayoutChoice::OneInchTwelve);
BENCHMARK_CAPTURE(BuildAndExpand, TwoInchSix, LayoutChoice::TwoInchSix);

}  // namespace
