#pragma once

#include <windows.h>

#include <string>

// One line per key message, "down 11" or "up 11" (virtual-key code in hex), written
// straight to the file so a scenario can wait on it while keys still arrive.
class KeyLog {
 public:
  explicit KeyLog(const std::wstring& path);
  ~KeyLog();
  KeyLog(const KeyLog&) = delete;
  KeyLog& operator=(const KeyLog&) = delete;

  void write(bool down, UINT vk);

 private:
  HANDLE file_;
};
