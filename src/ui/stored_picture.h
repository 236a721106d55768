#pragma once

#include <cstdint>
#include <span>

// The bytes of a picture carried inside the executable (an RCDATA resource).
std::span<const std::uint8_t> storedPicture(const wchar_t* name);
