#pragma once

#include <windows.h>

#include <string>

// Everything the driver prints goes out as UTF-8 bytes, to the --out file or to
// stdout, written straight through so nothing waits in a buffer when Wine ends.
class Output {
 public:
  explicit Output(const std::wstring& path);
  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void line(const std::wstring& text);

 private:
  HANDLE handle_;
  bool owned_;
};

std::string toUtf8(const std::wstring& text);

// A text as scripts compare it: in double quotes, with backslash escapes for the
// quote, the backslash and every control character ("\r", "\n", "\t", "\x01").
std::wstring quoted(const std::wstring& text);

std::wstring hwndText(HWND hwnd);  // "0x1f"
