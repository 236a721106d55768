#include <windows.h>

#include "ui/main_form.h"

namespace {

int screenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  const Theme theme(screenDpi());
  TForm1 Form1(theme);
  const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  SendMessageW(Form1.hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(Form1.hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  if (!Form1.turnedAway()) {
    ShowWindow(Form1.hwnd(), showCommand);
    SetFocus(Form1.initialFocus());
  }

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog manager gives the window Tab and Shift+Tab between its controls.
    if (!IsDialogMessageW(Form1.hwnd(), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
