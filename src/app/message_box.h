#pragma once

#include <windows.h>

#include <string>

// The program's own notice: plain look, title caption, no icon, one OK button.
void showSimpleMessage(HWND owner, const std::wstring& text);

// The report of an error that escaped a handler: stop icon, title caption, the
// text ending with a period.
void showErrorReport(HWND owner, const std::wstring& message);
