#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "ui/skin/skin_ini.h"
#include "ui/skin/stored_skin.h"

// What the window pays for its skin at creation: inflate, take the container
// apart, read the INI text.
static void ReadStoredSkin(benchmark::State& state) {
  std::ifstream file(QUORLEN_STORED_SKIN_PATH, std::ios::binary);
  const std::vector<std::uint8_t> compressed{std::istreambuf_iterator<char>(file),
                                             std::istreambuf_iterator<char>()};
  for (auto _ : state) {
    const StoredSkin skin = readStoredSkin(compressed);
    benchmark::DoNotOptimize(parseSkinDescription(skin.text));
  }
}
BENCHMARK(ReadStoredSkin);
