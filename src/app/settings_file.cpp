#include "app/settings_file.h"

#include <windows.h>

#include <algorithm>

#include "app/app_error.h"
#include "app/settings_store.h"
#include "app/system_error_text.h"
#include "app/scoped_handle.h"

namespace {

std::wstring executablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

[[noreturn]] void throwFileError(const wchar_t* what, const std::wstring& path, DWORD error) {
  throw AppError(std::wstring(what) + L" \"" + path + L"\". " + systemErrorText(error));
}

[[noreturn]] void throwCreateError(const std::wstring& path, DWORD error) {
  throwFileError(L"Cannot create file", path, error);
}

void writeAll(HANDLE file, std::string_view bytes, const std::wstring& path) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) throwCreateError(path, GetLastError());
    bytes.remove_prefix(written);
  }
}

std::wstring folderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

}  // namespace

std::wstring settingsFilePath() { return folderOf(executablePath()) + L"配置文件.txt"; }

std::optional<std::string> loadSettingsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::nullopt;
  }
  ScopedHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throwFileError(L"Cannot open file", path, GetLastError());

  std::string bytes;
  char buffer[64 * 1024];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  return normaliseLineBreaks(bytes);
}

void writeSettingsFile(const std::wstring& path, std::string_view bytes) {
  // Replacing a file ignores its read-only attribute, so honour it ourselves.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    throwCreateError(path, ERROR_ACCESS_DENIED);
  }

  wchar_t temporary[MAX_PATH];
  if (!GetTempFileNameW(folderOf(path).c_str(), L"qrl", 0, temporary)) {
    throwCreateError(path, GetLastError());
  }
  try {
    ScopedHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throwCreateError(path, GetLastError());
    writeAll(file.get(), bytes, path);
    if (!FlushFileBuffers(file.get())) throwCreateError(path, GetLastError());
    file.reset();

    const BOOL replaced =
        exists ? ReplaceFileW(path.c_str(), temporary, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                              nullptr, nullptr)
               : MoveFileExW(temporary, path.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) throwCreateError(path, GetLastError());
  } catch (...) {
    DeleteFileW(temporary);
    throw;
  }
}
