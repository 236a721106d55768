#pragma once

#include <windows.h>

#include <string>

// The executable file name that the system's process list records for `processId`
// (a bare name such as "Photoshop.exe"), or the empty name when the list holds no
// such process or cannot be taken. A fresh snapshot is taken on every call, so a
// process that has just started or ended is seen as it is now.
std::wstring GetProcessExeName(DWORD processId);
