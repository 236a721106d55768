#include "ui/widgets/edit.h"

namespace {

constexpr wchar_t kClassName[] = L"TbsSkinEdit";

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

}  // namespace

Edit::Edit(HWND parent, const RECT& bounds, const std::wstring& text, const Theme& theme) {
  registerEditClass();
  hwnd_ = CreateWindowExW(0, kClassName, text.c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                          bounds.left, bounds.top, bounds.right - bounds.left,
                          bounds.bottom - bounds.top, parent, nullptr, GetModuleHandleW(nullptr),
                          nullptr);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(theme.elementFont(L"edit")), FALSE);
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
