#include "app/message_box.h"

#include "app/error_text.h"
#include "build_config.h"

void showSimpleMessage(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), QUORLEN_APP_TITLE, MB_OK);
}

void showErrorReport(HWND owner, const std::wstring& message) {
  MessageBoxW(owner, withFinalPeriod(message).c_str(), QUORLEN_APP_TITLE, MB_OK | MB_ICONSTOP);
}
