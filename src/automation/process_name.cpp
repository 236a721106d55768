#include "automation/process_name.h"

#include <tlhelp32.h>

#include "app/scoped_handle.h"

namespace {

// The process-list functions are looked up by name in the already loaded kernel32
// on first use; while they are missing every lookup finds no name.
struct ProcessListFunctions {
  decltype(&CreateToolhelp32Snapshot) createSnapshot = nullptr;
  decltype(&Process32FirstW) first = nullptr;
  decltype(&Process32NextW) next = nullptr;

  bool complete() const { return createSnapshot && first && next; }
};

template <class Function>
Function bind(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const ProcessListFunctions& processListFunctions() {
  static ProcessListFunctions functions;
  if (!functions.complete()) {
    if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
      functions.createSnapshot = bind<decltype(functions.createSnapshot)>(kernel, "CreateToolhelp32Snapshot");
      functions.first = bind<decltype(functions.first)>(kernel, "Process32FirstW");
      functions.next = bind<decltype(functions.next)>(kernel, "Process32NextW");
    }
  }
  return functions;
}

}  // namespace

std::wstring GetProcessExeName(DWORD processId) {
  const ProcessListFunctions& functions = processListFunctions();
  if (!functions.complete()) return {};

  ScopedHandle snapshot(functions.createSnapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return {};

  // The record's size must be that of this build's structure: the walk fails
  // on a 64-bit build when it is given the 32-bit size.
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL found = functions.first(snapshot.get(), &entry); found;
       found = functions.next(snapshot.get(), &entry)) {
    if (entry.th32ProcessID == processId) return entry.szExeFile;
  }
  return {};
}
