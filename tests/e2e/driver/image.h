#pragma once

#include <cstdint>
#include <vector>

// 8-bit RGB pixels, rows top to bottom, no padding.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};
