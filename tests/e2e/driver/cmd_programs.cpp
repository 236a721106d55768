// Commands that stand in for a program or start one: a recorder of its command line
// (registered as the browser, it shows what the shell was asked to open), and the
// start-up timer of the benchmark.
#include <windows.h>
#include <psapi.h>

#include <cwchar>
#include <string>

#include "commands.h"
#include "failure.h"
#include "window_query.h"

namespace {

struct Started {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  double visibleAfterMs = 0;
};

HWND visibleWindowOf(DWORD processId) {
  for (HWND hwnd : findTopLevelWindows({})) {
    if (processIdOf(hwnd) == processId) return hwnd;
  }
  return nullptr;
}

double millisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Starts the program from its own folder and waits for its first visible top-level
// window. The poll is 1 ms: the driver's usual 20 ms would blur the figures.
Started startUntilVisible(const std::wstring& exe, DWORD timeoutMs) {
  std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") + 1);
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  Started started;
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &started.process))
    throw Failure(L"cannot start " + exe + L": error " + std::to_wstring(GetLastError()));
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!(started.window = visibleWindowOf(started.process.dwProcessId))) {
    if (GetTickCount64() >= deadline) {
      TerminateProcess(started.process.hProcess, 1);
      throw Failure(exe + L" showed no window within " + std::to_wstring(timeoutMs) + L" ms");
    }
    Sleep(1);
  }
  started.visibleAfterMs = millisecondsSince(start);
  return started;
}

// Closes the program as a user would, so it releases what it holds (quorlen's hotkey)
// before the next run starts.
void closeAndWait(const Started& started, DWORD timeoutMs) {
  PostMessageW(started.window, WM_CLOSE, 0, 0);
  const bool ended = WaitForSingleObject(started.process.hProcess, timeoutMs) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(started.process.hProcess, 1);
  CloseHandle(started.process.hThread);
  CloseHandle(started.process.hProcess);
  if (!ended) throw Failure(L"the program did not end after WM_CLOSE; it was killed");
}

}  // namespace

int echoArguments(const Args& args, Output& out) {
  for (const std::wstring& word : args.positional()) out.line(word);
  return 0;
}

int timeStart(const Args& args, Output& out) {
  const std::wstring exe = args.at(0);
  const long long runs = args.number(L"runs", 1);
  for (long long run = 0; run < runs; ++run) {
    const Started started = startUntilVisible(exe, args.timeoutMs());
    // The memory figures once the program has finished starting and waits for input.
    WaitForInputIdle(started.process.hProcess, args.timeoutMs());
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const bool measured = GetProcessMemoryInfo(started.process.hProcess, &memory, sizeof memory);
    const DWORD error = GetLastError();
    closeAndWait(started, args.timeoutMs());
    if (!measured) throw Failure(L"GetProcessMemoryInfo failed with error " + std::to_wstring(error));
    wchar_t line[160];
    swprintf(line, 160, L"visible_ms=%.1f working_set=%llu peak_working_set=%llu", started.visibleAfterMs,
             static_cast<unsigned long long>(memory.WorkingSetSize),
             static_cast<unsigned long long>(memory.PeakWorkingSetSize));
    out.line(line);
  }
  return 0;
}
