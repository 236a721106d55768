#include "app/single_instance.h"

#include <windows.h>

#include <string>

#include "build_config.h"

bool anotherInstanceIsRunning() {
  CreateMutexW(nullptr, FALSE, QUORLEN_APP_TITLE);
  // Any failure other than "already exists" counts as being the first copy.
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

void showDuplicateInstanceMessage() {
  // The lines are joined by two bare CRs, not CR LF.
  const std::wstring text =
      std::wstring(L"程序已在运行中\r\r不能运行多个\r\r问题反馈：") + QUORLEN_SHOP_ADDRESS;
  MessageBoxW(nullptr, text.c_str(), L"错误", 0);
}
