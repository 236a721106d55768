#include "app/hotkey_registration.h"

std::int32_t HotKeyId = 0;

namespace {
constexpr int kAtomBase = 0xC000;
bool atomAdded = false;
}  // namespace

bool registerLayoutHotkey(HWND window) {
  const ATOM atom = GlobalAddAtomW(L"userdefinehotkey");
  atomAdded = atom != 0;
  HotKeyId = static_cast<std::int32_t>(atom) - kAtomBase;
  return RegisterHotKey(window, HotKeyId, MOD_CONTROL, 'F') != FALSE;
}

void releaseLayoutHotkey(HWND window) {
  UnregisterHotKey(window, HotKeyId);
  if (atomAdded) {
    GlobalDeleteAtom(static_cast<ATOM>(HotKeyId + kAtomBase));
    atomAdded = false;
  }
}
