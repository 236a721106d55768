#include "automation/hotkey_gate.h"

namespace {
constexpr std::uintptr_t kModControl = 0x0002;
constexpr std::uintptr_t kKeyF = 0x46;
}  // namespace

bool isLayoutHotkey(std::uintptr_t lParam) {
  return (lParam & 0xFFFF) == kModControl && ((lParam >> 16) & 0xFFFF) == kKeyF;
}

bool isPhotoshopExeName(std::wstring_view exeName) { return exeName == L"Photoshop.exe"; }
