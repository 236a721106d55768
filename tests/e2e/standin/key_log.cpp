#include "key_log.h"

#include <cstdio>

KeyLog::KeyLog(const std::wstring& path)
    : file_(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}

KeyLog::~KeyLog() {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

void KeyLog::write(bool down, UINT vk) {
  if (file_ == INVALID_HANDLE_VALUE) return;
  char line[16];
  int length = std::snprintf(line, sizeof line, "%s %02x\n", down ? "down" : "up", vk & 0xff);
  DWORD written = 0;
  WriteFile(file_, line, static_cast<DWORD>(length), &written, nullptr);
}
