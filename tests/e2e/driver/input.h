#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Real input through SendInput: it enters the system's input stream like a device's,
// so hotkeys, focus and capture behave as they do for a user.

// Mouse to an exact screen pixel, then the given button events in one batch.
void mouseAt(POINT screen, const std::vector<DWORD>& buttonFlags);

// Types one word of keys: a key name ("tab", "f12", "a", "vk:0x41"), a chord of
// names joined by "+" ("ctrl+f", "shift+tab", "alt+e"), or "text:" and literal text.
void typeKeys(const std::wstring& word);

// The virtual-key codes of a chord, modifiers first ("ctrl+f" -> 0x11, 0x46).
std::vector<WORD> chordKeys(const std::wstring& chord);
