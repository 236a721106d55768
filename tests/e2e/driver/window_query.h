#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What a scenario says about the top-level window it looks for; empty fields match anything.
struct WindowFilter {
  std::wstring title;
  std::wstring className;
  bool visibleOnly = true;
};

std::vector<HWND> findTopLevelWindows(const WindowFilter& filter);

std::wstring className(HWND hwnd);

// The caption as the window manager holds it: asks nothing of the owning thread,
// so a program that is busy sending keys cannot stall the driver.
std::wstring captionText(HWND hwnd);

// The text of any window, a child control of another process included (WM_GETTEXT
// is marshalled across processes; GetWindowText would return only captions there).
std::wstring controlText(HWND hwnd);

// Message boxes are dialogs of this class.
inline constexpr wchar_t kDialogClass[] = L"#32770";

// The text of a message box.
std::wstring boxText(HWND box);

// Screen rectangle of the client area.
RECT clientRectOnScreen(HWND hwnd);

DWORD processIdOf(HWND hwnd);

// The executable file name the process list records for a process, or "" when none.
std::wstring processExeName(DWORD processId);
