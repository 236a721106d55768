#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A picture of the skin: a whole BMP file, as the stored skin holds it.
struct SkinBitmap {
  std::vector<std::uint8_t> file;
  int width = 0;
  int height = 0;
};

// The skin the program carries, inflated and taken apart.
struct StoredSkin {
  std::int32_t version = 0;
  SkinBitmap frame;
  std::vector<SkinBitmap> pictures;  // the further pictures, in stored order
  std::string text;                  // the skin's INI text
};

// Inflates and reads the stored skin. Any damage throws AppError
// "The stored skin is damaged: ...".
StoredSkin readStoredSkin(std::span<const std::uint8_t> compressed);

[[noreturn]] void throwDamagedSkin(const std::wstring& detail);
