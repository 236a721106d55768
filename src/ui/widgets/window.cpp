#include "ui/widgets/window.h"

#include <string>

#include "app/app_error.h"
#include "app/message_box.h"

void runReportingErrors(HWND owner, const std::function<void()>& handler) {
  const HWND topLevel = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  try {
    handler();
  } catch (const AppError& error) {
    showErrorReport(topLevel, error.message());
  } catch (const std::exception& error) {
    const std::string what = error.what();
    showErrorReport(topLevel, std::wstring(what.begin(), what.end()));
  }
}

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Window::registerClass(const ClassSettings& settings) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), settings.name, &windowClass)) return;
  windowClass.style = settings.style;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = settings.cursor;
  windowClass.lpszClassName = settings.name;
  RegisterClassExW(&windowClass);
}

void Window::create(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                    const RECT& bounds, HWND parent) {
  CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top,
                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                  GetModuleHandleW(nullptr), this);
}

LRESULT Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  LRESULT result = 0;
  runReportingErrors(hwnd, [&] { result = self->onMessage(message, wParam, lParam); });
  return result;
}
