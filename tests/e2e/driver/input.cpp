#include "input.h"

#include <algorithm>
#include <cwctype>
#include <map>

#include "args.h"
#include "failure.h"

namespace {

const std::map<std::wstring, WORD>& namedKeys() {
  static const std::map<std::wstring, WORD> keys = {
      {L"ctrl", VK_CONTROL},   {L"shift", VK_SHIFT},    {L"alt", VK_MENU},      {L"win", VK_LWIN},
      {L"tab", VK_TAB},        {L"space", VK_SPACE},    {L"enter", VK_RETURN},  {L"esc", VK_ESCAPE},
      {L"backspace", VK_BACK}, {L"delete", VK_DELETE},  {L"insert", VK_INSERT}, {L"home", VK_HOME},
      {L"end", VK_END},        {L"pageup", VK_PRIOR},   {L"pagedown", VK_NEXT}, {L"left", VK_LEFT},
      {L"up", VK_UP},          {L"right", VK_RIGHT},    {L"down", VK_DOWN},
  };
  return keys;
}

// Keys that sit on the extended part of a real keyboard; a device sends them with
// the extended flag, so the driver does too.
bool isExtended(WORD vk) {
  switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN: case VK_LWIN:
      return true;
    default:
      return false;
  }
}

WORD keyCode(const std::wstring& name) {
  std::wstring lower;
  for (wchar_t c : name) lower += static_cast<wchar_t>(std::towlower(c));
  if (auto it = namedKeys().find(lower); it != namedKeys().end()) return it->second;
  if (lower.size() == 1 && ((lower[0] >= L'a' && lower[0] <= L'z') || (lower[0] >= L'0' && lower[0] <= L'9')))
    return static_cast<WORD>(std::towupper(lower[0]));
  if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == L'f' &&
      std::all_of(lower.begin() + 1, lower.end(), [](wchar_t c) { return std::iswdigit(c); })) {
    int n = std::stoi(lower.substr(1));
    if (n >= 1 && n <= 24) return static_cast<WORD>(VK_F1 + n - 1);
  }
  if (lower.starts_with(L"vk:")) return static_cast<WORD>(parseNumber(lower.substr(3)));
  throw Failure(L"unknown key: " + name, 2);
}

INPUT keyInput(WORD vk, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (release ? KEYEVENTF_KEYUP : 0) | (isExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT unicodeInput(wchar_t c, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = c;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (release ? KEYEVENTF_KEYUP : 0);
  return input;
}

void send(std::vector<INPUT>& inputs) {
  UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) throw Failure(L"SendInput delivered " + std::to_wstring(sent) + L" of " +
                                           std::to_wstring(inputs.size()) + L" events");
}

}  // namespace

std::vector<WORD> chordKeys(const std::wstring& chord) {
  std::vector<WORD> keys;
  size_t start = 0;
  for (;;) {
    size_t plus = chord.find(L'+', start);
    keys.push_back(keyCode(chord.substr(start, plus - start)));
    if (plus == std::wstring::npos) return keys;
    start = plus + 1;
  }
}

void typeKeys(const std::wstring& word) {
  std::vector<INPUT> inputs;
  if (word.starts_with(L"text:")) {
    for (wchar_t c : word.substr(5)) {
      inputs.push_back(unicodeInput(c, false));
      inputs.push_back(unicodeInput(c, true));
    }
  } else {
    std::vector<WORD> keys = chordKeys(word);
    for (WORD vk : keys) inputs.push_back(keyInput(vk, false));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) inputs.push_back(keyInput(*it, true));
  }
  send(inputs);
}

void mouseAt(POINT screen, const std::vector<DWORD>& buttonFlags) {
  // Normalised coordinates over the virtual screen, rounded up so that the
  // system's conversion back (x * width / 65536, truncated) gives the exact pixel.
  const LONG left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const LONG width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = static_cast<LONG>(((screen.x - left) * 65536LL + width - 1) / width);
  move.mi.dy = static_cast<LONG>(((screen.y - top) * 65536LL + height - 1) / height);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  // Every button event carries the position again. Wine hands the events of one
  // batch to its server one by one, and in between it may move the cursor to where
  // the X pointer was when a window appeared under it; a press or release without
  // its own position would then land there.
  std::vector<INPUT> inputs = {move};
  for (DWORD flags : buttonFlags) {
    INPUT button = move;
    button.mi.dwFlags |= flags;
    inputs.push_back(button);
  }
  send(inputs);
}
