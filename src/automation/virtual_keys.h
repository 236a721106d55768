#pragma once

#include <cstdint>

// The Windows virtual-key codes the layouts type. The codes of the digit and
// letter keys are the ASCII codes of the digit or capital letter.
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kAlt = 0x12;
inline constexpr std::uint8_t kLeft = 0x25;
inline constexpr std::uint8_t kUp = 0x26;
inline constexpr std::uint8_t kRight = 0x27;
inline constexpr std::uint8_t kDown = 0x28;
inline constexpr std::uint8_t kKey0 = 0x30;
inline constexpr std::uint8_t kKey9 = 0x39;
inline constexpr std::uint8_t kKeyA = 0x41;
inline constexpr std::uint8_t kKeyE = 0x45;
inline constexpr std::uint8_t kKeyJ = 0x4A;
inline constexpr std::uint8_t kKeyV = 0x56;
