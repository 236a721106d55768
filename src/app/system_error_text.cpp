#include "app/system_error_text.h"

std::wstring systemErrorText(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer, length);
  LocalFree(buffer);
  while (!text.empty() && (text.back() <= L' ' || text.back() == L'.' || text.back() == L'\u3002')) {
    text.pop_back();
  }
  return text;
}
