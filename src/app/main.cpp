#include <windows.h>

#include "ui/main_form.h"
#include "ui/skin/skin.h"

namespace {

int screenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// The stored skin is read once, before the window is built. A damaged one is
// reported, and the window goes on in plain drawing with the system's frame.
std::unique_ptr<const Skin> readSkinReportingErrors() {
  std::unique_ptr<const Skin> skin;
  runReportingErrors(nullptr, [&] { skin = loadStoredSkin(); });
  return skin;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  const std::unique_ptr<const Skin> skin = readSkinReportingErrors();
  const Theme theme(screenDpi(), skin.get());
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
