#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

// The real skin: its source text and the stored skin the build packed from it.
inline std::string readTestFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error(std::string("cannot open ") + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::string realSkinText() { return readTestFile(QUORLEN_SKIN_INI_PATH); }

inline std::vector<std::uint8_t> realStoredSkin() {
  const std::string bytes = readTestFile(QUORLEN_STORED_SKIN_PATH);
  return {bytes.begin(), bytes.end()};
}
