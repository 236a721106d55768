#pragma once

#include <cstdint>
#include <string_view>

// True only for Ctrl+F itself: the modifier word exactly MOD_CONTROL and the key
// word the F key, so Ctrl+Shift+F and friends are ignored.
bool isLayoutHotkey(std::uintptr_t lParam);

// The layout runs only into a process started from a file named exactly
// "Photoshop.exe"; letter case counts.
bool isPhotoshopExeName(std::wstring_view exeName);
