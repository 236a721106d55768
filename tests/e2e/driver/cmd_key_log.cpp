#include <string>

#include "commands.h"
#include "failure.h"
#include "input.h"

namespace {

// Lines in the file so far; the stand-in writes whole lines and shares its log.
long long linesIn(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  long long lines = 0;
  char buffer[64 * 1024];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    for (DWORD i = 0; i < read; ++i) lines += buffer[i] == '\n';
  }
  CloseHandle(file);
  return lines;
}

// Reads the log every millisecond until it holds `wanted` lines, so the moment
// it is seen is within a millisecond of the moment it is written.
void waitForLines(const std::wstring& log, long long wanted, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  long long lines = 0;
  while ((lines = linesIn(log)) < wanted) {
    if (GetTickCount64() >= deadline)
      throw Failure(L"the log holds " + std::to_wstring(lines) + L" of " + std::to_wstring(wanted) +
                    L" lines after " + std::to_wstring(timeoutMs) + L" ms");
    Sleep(1);
  }
}

double millisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int waitLines(const Args& args, Output&) {
  waitForLines(args.at(0), args.numberAt(1), args.timeoutMs());
  return 0;
}

int timeKeys(const Args& args, Output& out) {
  const std::wstring log = args.text(L"log");
  const long long wanted = args.number(L"lines", 0);
  if (log.empty() || wanted <= 0) throw Failure(L"--log and --lines are required", 2);
  if (args.positional().empty()) throw Failure(L"no keys given", 2);
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  for (const std::wstring& word : args.positional()) typeKeys(word);
  waitForLines(log, wanted, args.timeoutMs());
  out.line(std::to_wstring(static_cast<long long>(millisecondsSince(start) + 0.5)));
  return 0;
}
