#pragma once

#include <windows.h>

// A window timer: its ticks arrive as WM_TIMER with this id at the owner window.
class Timer {
 public:
  Timer(HWND owner, UINT_PTR id, UINT intervalMs) : owner_(owner), id_(id) {
    SetTimer(owner_, id_, intervalMs, nullptr);
  }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer() { disable(); }

  UINT_PTR id() const { return id_; }
  void disable() { KillTimer(owner_, id_); }

 private:
  HWND owner_;
  UINT_PTR id_;
};
