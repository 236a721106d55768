#include "window_query.h"

#include <tlhelp32.h>

namespace {

struct Search {
  const WindowFilter* filter;
  std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  const WindowFilter& filter = *search->filter;
  if (filter.visibleOnly && !IsWindowVisible(hwnd)) return TRUE;
  if (!filter.className.empty() && className(hwnd) != filter.className) return TRUE;
  if (!filter.title.empty() && captionText(hwnd) != filter.title) return TRUE;
  search->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> findTopLevelWindows(const WindowFilter& filter) {
  Search search{&filter, {}};
  EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring className(HWND hwnd) {
  wchar_t name[256] = L"";
  GetClassNameW(hwnd, name, 256);
  return name;
}

std::wstring captionText(HWND hwnd) {
  wchar_t text[1024] = L"";
  InternalGetWindowText(hwnd, text, 1024);
  return text;
}

std::wstring controlText(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(copied);
  return text;
}

RECT clientRectOnScreen(HWND hwnd) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

DWORD processIdOf(HWND hwnd) {
  DWORD processId = 0;
  GetWindowThreadProcessId(hwnd, &processId);
  return processId;
}

std::wstring processExeName(DWORD processId) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return L"";
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  std::wstring name;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == processId) {
      name = entry.szExeFile;
      break;
    }
  }
  CloseHandle(snapshot);
  return name;
}

std::wstring boxText(HWND box) {
  // The text lives in the Static control whose id is 0xFFFF; the id is a 16-bit
  // word in the dialog template, so compare only that word.
  constexpr int kTextId = 0xFFFF;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetDlgCtrlID(child) & 0xFFFF) == kTextId) return controlText(child);
  }
  return L"";
}
