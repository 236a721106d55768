#include "output.h"

#include <cwchar>

#include "failure.h"

Output::Output(const std::wstring& path) : handle_(GetStdHandle(STD_OUTPUT_HANDLE)), owned_(false) {
  if (path.empty()) return;
  handle_ = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) throw Failure(L"cannot create " + path, 2);
  owned_ = true;
}

Output::~Output() {
  if (owned_) CloseHandle(handle_);
}

void Output::line(const std::wstring& text) {
  std::string bytes = toUtf8(text) + "\n";
  DWORD written = 0;
  WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string toUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

std::wstring quoted(const std::wstring& text) {
  std::wstring out = L"\"";
  for (wchar_t c : text) {
    switch (c) {
      case L'"': out += L"\\\""; break;
      case L'\\': out += L"\\\\"; break;
      case L'\r': out += L"\\r"; break;
      case L'\n': out += L"\\n"; break;
      case L'\t': out += L"\\t"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          wchar_t code[8];
          swprintf(code, 8, L"\\x%02x", static_cast<unsigned>(c));
          out += code;
        } else {
          out += c;
        }
    }
  }
  return out + L"\"";
}

std::wstring hwndText(HWND hwnd) {
  wchar_t text[24];
  swprintf(text, 24, L"0x%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)));
  return text;
}
