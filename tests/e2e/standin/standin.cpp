// The stand-in target: a plain window that logs every key message it gets and
// draws what the layout keys would do to a sheet. Copied under several file
// names, it shows whether the hotkey gate looks at the process's file name.
//
//   standin.exe LOGFILE
#include <windows.h>

#include <memory>
#include <string>

#include "key_log.h"
#include "sheet.h"

namespace {

// The sheet is drawn at three quarters of its size: a 600x800 sheet fits in a
// 450x600 client area, which leaves room for the tool's window on a 1024x768 desktop.
constexpr int kScaleNum = 3;
constexpr int kScaleDen = 4;
constexpr wchar_t kClassName[] = L"QuorlenStandIn";

struct State {
  std::unique_ptr<KeyLog> log;
  Sheet sheet;
};

State* stateOf(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

int scaled(int units) { return units * kScaleNum / kScaleDen; }

RECT photoRect(const Sheet::Photo& photo) {
  return {scaled(photo.centreX - photo.width / 2), scaled(photo.centreY - photo.height / 2),
          scaled(photo.centreX + photo.width / 2), scaled(photo.centreY + photo.height / 2)};
}

void paintSheet(HDC dc, const RECT& client, const Sheet& sheet) {
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HBRUSH fill = CreateSolidBrush(RGB(170, 200, 235));
  HPEN border = CreatePen(PS_SOLID, 1, RGB(40, 60, 90));
  HPEN currentBorder = CreatePen(PS_SOLID, 2, RGB(200, 30, 30));
  HGDIOBJ oldBrush = SelectObject(dc, fill);
  HGDIOBJ oldPen = SelectObject(dc, border);
  SetBkMode(dc, TRANSPARENT);
  int number = 1;
  for (const Sheet::Photo& photo : sheet.photos()) {
    SelectObject(dc, &photo == sheet.current() ? currentBorder : border);
    RECT rect = photoRect(photo);
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    std::wstring label = std::to_wstring(number++);
    DrawTextW(dc, label.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(currentBorder);
  DeleteObject(border);
  DeleteObject(fill);
}

// Drawn off screen first, so a few thousand keys in a row do not flicker.
void paint(HWND hwnd, const Sheet& sheet) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  paintSheet(memory, client, sheet);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  State* state = stateOf(hwnd);
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      state->log->write(true, static_cast<UINT>(wParam));
      state->sheet.keyDown(static_cast<UINT>(wParam), GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      state->log->write(false, static_cast<UINT>(wParam));
      return 0;
    // Alt must not open the system menu: it would take the keys that follow.
    case WM_SYSCHAR:
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_KEYMENU) return 0;
      break;
    case WM_PAINT:
      paint(hwnd, state->sheet);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::wstring exeFileName() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring full = path;
  return full.substr(full.find_last_of(L"\\/") + 1);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  if (__argc < 2) {
    MessageBoxW(nullptr, L"usage: standin.exe LOGFILE", L"stand-in", MB_OK);
    return 2;
  }
  State state;
  state.log = std::make_unique<KeyLog>(__wargv[1]);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame = {0, 0, scaled(Sheet::kWidth), scaled(Sheet::kHeight)};
  AdjustWindowRect(&frame, style, FALSE);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  // Against the right edge of the screen, clear of a tool window on the left.
  const int x = GetSystemMetrics(SM_CXSCREEN) - width;
  std::wstring title = L"Stand-in " + exeFileName();
  HWND hwnd = CreateWindowW(kClassName, title.c_str(), style, x, 0, width, height, nullptr, nullptr, instance, &state);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
