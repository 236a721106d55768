#pragma once

#include <windows.h>

// Polls `condition` until it holds or `timeoutMs` has passed; true when it held.
// The condition is tried once more at the deadline, so a zero timeout is a plain check.
template <class Condition>
bool waitUntil(DWORD timeoutMs, Condition&& condition) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
}
