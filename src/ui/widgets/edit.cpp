#include "ui/widgets/edit.h"

#include <commctrl.h>

#include "ui/widgets/gdi.h"

namespace {

constexpr wchar_t kClassName[] = L"TbsSkinEdit";
// The skin's frame takes this much of each side; the text keeps the rest.
constexpr int kSkinFrameWidth = 2;

void registerEditClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(instance, kClassName, &windowClass)) return;
  GetClassInfoExW(nullptr, L"EDIT", &windowClass);
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

// The frame in the edit's non-client area: its "active" picture while the box has
// the focus, its "normal" one otherwise.
void paintSkinFrame(HWND edit, const Theme& theme) {
  RECT window;
  GetWindowRect(edit, &window);
  RECT client;
  GetClientRect(edit, &client);
  MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);

  const HDC dc = GetWindowDC(edit);
  {
    const OffscreenDc buffer(dc, window.right, window.bottom);
    theme.drawPart(buffer.dc(), L"edit", GetFocus() == edit ? "active" : "normal", window);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    buffer.copyTo(dc, 0, 0);
  }
  ReleaseDC(edit, dc);
}

LRESULT CALLBACK skinFrameProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR themeData) {
  const auto& theme = *reinterpret_cast<const Theme*>(themeData);
  switch (message) {
    case WM_NCCALCSIZE: {
      RECT& rect = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                          : *reinterpret_cast<RECT*>(lParam);
      InflateRect(&rect, -theme.scale(kSkinFrameWidth), -theme.scale(kSkinFrameWidth));
      return 0;
    }
    case WM_NCPAINT:
      paintSkinFrame(edit, theme);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      paintSkinFrame(edit, theme);
      return result;
    }
    default:
      return DefSubclassProc(edit, message, wParam, lParam);
  }
}

}  // namespace

Edit::Edit(HWND parent, const RECT& bounds, const std::wstring& text, const Theme& theme) {
  registerEditClass();
  const bool skinned = theme.part(L"edit", "normal") && theme.part(L"edit", "active");
  hwnd_ = CreateWindowExW(0, kClassName, text.c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | (skinned ? 0 : WS_BORDER),
                          bounds.left, bounds.top, bounds.right - bounds.left,
                          bounds.bottom - bounds.top, parent, nullptr, GetModuleHandleW(nullptr),
                          nullptr);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(theme.elementFont(L"edit")), FALSE);
  if (skinned) {
    // The theme outlives every window, so the frame procedure may keep it.
    SetWindowSubclass(hwnd_, skinFrameProc, 0, reinterpret_cast<DWORD_PTR>(&theme));
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

std::wstring Edit::text() const {
  std::wstring text(GetWindowTextLengthW(hwnd_) + 1, L'\0');
  text.resize(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size())));
  return text;
}

void Edit::setText(const std::wstring& text) {
  // Setting the same text again would only reset the caret and flicker.
  if (text != this->text()) SetWindowTextW(hwnd_, text.c_str());
}
