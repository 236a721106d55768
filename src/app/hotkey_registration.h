#pragma once

#include <windows.h>

#include <cstdint>

// Identifier of the Ctrl+F registration: the global atom "userdefinehotkey" minus
// 0xC000, so it lies in the range hotkey identifiers of applications must use.
extern std::int32_t HotKeyId;

// Adds the atom and registers Ctrl+F to `window`; false when the system refuses
// the registration (another program holds Ctrl+F).
bool registerLayoutHotkey(HWND window);

// Gives the hotkey and the atom back; only the first call after a registration
// deletes the atom, so our reference is dropped exactly once.
void releaseLayoutHotkey(HWND window);
