#pragma once

#include <windows.h>

#include <functional>

// Runs `handler`; an error that escapes it is shown by the error report, owned by
// `owner`'s top-level window, and the program goes on.
void runReportingErrors(HWND owner, const std::function<void()>& handler);

// Base of every window of ours: the window procedure forwards to the C++ object
// (kept in GWLP_USERDATA from WM_NCCREATE on), and an error that escapes a
// handler is reported there, at the one dispatch point, and the program goes on.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  struct ClassSettings {
    const wchar_t* name;
    UINT style = 0;
    HCURSOR cursor = LoadCursorW(nullptr, IDC_ARROW);
  };
  static void registerClass(const ClassSettings& settings);

  void create(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
              const RECT& bounds, HWND parent);

  virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};
