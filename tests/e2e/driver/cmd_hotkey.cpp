#include <string>

#include "commands.h"
#include "failure.h"
#include "input.h"

namespace {

constexpr int kHotkeyId = 1;

struct Hotkey {
  UINT modifiers = 0;
  UINT key = 0;
};

Hotkey parseHotkey(const std::wstring& chord) {
  Hotkey hotkey;
  std::vector<WORD> keys = chordKeys(chord);
  hotkey.key = keys.back();
  keys.pop_back();
  for (WORD modifier : keys) {
    switch (modifier) {
      case VK_CONTROL: hotkey.modifiers |= MOD_CONTROL; break;
      case VK_SHIFT: hotkey.modifiers |= MOD_SHIFT; break;
      case VK_MENU: hotkey.modifiers |= MOD_ALT; break;
      case VK_LWIN: hotkey.modifiers |= MOD_WIN; break;
      default: throw Failure(L"not a modifier in " + chord, 2);
    }
  }
  return hotkey;
}

void writeReadyFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw Failure(L"cannot create " + path);
  DWORD written = 0;
  WriteFile(file, "registered\n", 11, &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int holdHotkey(const Args& args, Output& out) {
  Hotkey hotkey = parseHotkey(args.at(0));
  // Registered to the thread (no window): WM_HOTKEY then arrives in this queue.
  if (!RegisterHotKey(nullptr, kHotkeyId, hotkey.modifiers, hotkey.key))
    throw Failure(args.at(0) + L" is taken (error " + std::to_wstring(GetLastError()) + L")");
  out.line(L"registered");
  if (args.has(L"ready")) writeReadyFile(args.text(L"ready"));
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_HOTKEY) out.line(L"hotkey");
  }
  return 0;
}

int checkHotkey(const Args& args, Output& out) {
  Hotkey hotkey = parseHotkey(args.at(0));
  bool free = RegisterHotKey(nullptr, kHotkeyId, hotkey.modifiers, hotkey.key);
  if (free) UnregisterHotKey(nullptr, kHotkeyId);
  out.line(free ? L"free" : L"taken");
  return 0;
}

int findAtom(const Args& args, Output& out) {
  out.line(GlobalFindAtomW(args.at(0).c_str()) ? L"present" : L"absent");
  return 0;
}
