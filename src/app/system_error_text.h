#pragma once

#include <windows.h>

#include <string>

// The system's text for an error code, without the trailing line break and full
// stop ("." or the Chinese "。") that the system adds, so it can stand inside a
// sentence of ours.
std::wstring systemErrorText(DWORD error);
