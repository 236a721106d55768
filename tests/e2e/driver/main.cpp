// driver.exe: the hands and eyes of the Wine scenarios. It finds windows, reads
// their texts, clicks and types with real input, holds hotkeys and takes pictures.
//
//   driver.exe [--out FILE] COMMAND [ARGS...] [--then COMMAND [ARGS...]]...
//
// Commands joined by "--then" run in order in one process (starting a Wine process
// costs far more than most commands) and stop at the first that fails.
// Exit code 0 when every command did what it was asked, 1 when a condition did not
// come true (with the reason on stderr), 2 for a usage error.
#include <windows.h>

#include <string>
#include <vector>

#include "commands.h"
#include "failure.h"

namespace {

struct Command {
  const wchar_t* name;
  int (*run)(const Args&, Output&);
  std::vector<std::wstring> flags;
  const wchar_t* usage;
};

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {L"wait-window", waitWindow, {L"hidden", L"front"}, L"[--title T] [--class C] [--hidden] [--front] [--timeout MS]  prints the handle"},
      {L"wait-gone", waitGone, {}, L"--hwnd H [--timeout MS]  until destroyed or hidden"},
      {L"rect", windowRect, {}, L"--hwnd H  prints x y width height of the window on the screen"},
      {L"client", clientRect, {}, L"--hwnd H  prints x y width height of the client area on the screen"},
      {L"move", moveWindow, {}, L"--hwnd H X Y"},
      {L"tree", childTree, {}, L"--hwnd H  child windows, rectangles relative to the parent's client area"},
      {L"wait-text", waitText, {}, L"--hwnd H TEXT [--timeout MS]  until the window's text is TEXT"},
      {L"set-text", setText, {}, L"--hwnd H TEXT  sets the window's text with WM_SETTEXT"},
      {L"front", bringToFront, {}, L"--hwnd H [--timeout MS]"},
      {L"foreground", showForeground, {}, L" prints the foreground window and the focused child"},
      {L"wait-focus", waitFocus, {}, L"--hwnd H [--timeout MS]  until H has the keyboard focus"},
      {L"idle", waitIdle, {}, L"--hwnd H [--timeout MS]  until the window's thread has handled what was queued"},
      {L"post", postMessage, {}, L"--hwnd H MESSAGE WPARAM LPARAM"},
      {L"box", messageBox, {}, L"--caption C [--ok click|message] [--timeout MS]  prints the text"},
      {L"box-count", countBoxes, {}, L"--caption C [--text T]  prints the number of open boxes"},
      {L"click", click, {L"double"}, L"--hwnd H X Y [--double]  client coordinates"},
      {L"press", press, {}, L"--hwnd H X Y  left button down"},
      {L"release", release, {}, L"--hwnd H X Y  left button up"},
      {L"keys", keys, {}, L"KEYS...  e.g. ctrl+f tab shift+tab space text:abc vk:0x7b"},
      {L"hold-hotkey", holdHotkey, {}, L"CHORD [--ready FILE]  registers and holds until killed"},
      {L"hotkey-check", checkHotkey, {}, L"CHORD  prints free or taken"},
      {L"atom", findAtom, {}, L"NAME  prints present or absent (global atom table)"},
      {L"shot", screenshot, {}, L"FILE.png [--hwnd H]  the screen or one window's rectangle"},
      {L"compare", compareImages, {}, L"A.png B.png [--tolerance N] [--max-pixels N]"},
      {L"frame-click", frameClick, {L"double", L"right"}, L"--hwnd H X Y [--double] [--right]  window coordinates"},
      {L"frame-drag", frameDrag, {}, L"--hwnd H X Y TOX TOY  left button, window coordinates before the drag"},
      {L"frame-hover", frameHover, {}, L"--hwnd H X Y  moves the mouse there, window coordinates"},
      {L"wait-rect", waitRect, {}, L"--hwnd H [--x N] [--y N] [--width N] [--height N] [--timeout MS]  prints x y w h"},
      {L"screen", screenSize, {}, L" prints the screen's width and height"},
      {L"window-state", windowState, {}, L"--hwnd H [STATE] [--timeout MS]  prints normal, minimized or maximized; waits for STATE"},
      {L"wait-colour", waitColour, {}, L"--hwnd H X Y W H 0xRRGGBB [--min N] [--max N] [--timeout MS]  prints the count"},
      {L"replace-resource", replaceResource, {}, L"EXE NAME FILE  FILE's bytes as the exe's RCDATA resource NAME"},
      {L"hit", hitWindow, {}, L"--hwnd H X Y  the window a click at client point X Y reaches: class and text"},
      {L"shot-client", clientScreenshot, {}, L"FILE.png --hwnd H  the window's client area as the screen shows it"},
      {L"mouse-to", moveMouse, {}, L"X Y  moves the mouse to that point of the screen"},
      {L"top-windows", listTopLevelWindows, {}, L" the visible top-level windows: process, class, title"},
      {L"echo", echoArguments, {}, L"WORDS...  prints each word on a line (a recorder of command lines)"},
      {L"time-start", timeStart, {}, L"EXE [--runs N] [--timeout MS]  start to visible window in ms, memory; closes it"},
      {L"text", printText, {}, L"--hwnd H  prints the window's text"},
      {L"boxes", listBoxes, {}, L"--caption C [--count N] [--timeout MS]  prints the open boxes' texts, sorted; with --count once exactly N are open"},
      {L"close-box", closeBox, {}, L"--caption C --text T [--timeout MS]  OK on the box that says T"},
      {L"click-held", clickHeld, {}, L"--hwnd H X Y [X2 Y2]  press at X Y, release there or at X2 Y2; each once the thread took it"},
      {L"hold-file", holdFile, {}, L"PATH  opens the file without sharing and holds it until killed; prints held"},
      {L"system-error", systemErrorText, {}, L"CODE  prints the system's text for the error"},
      {L"wait-lines", waitLines, {}, L"FILE N [--timeout MS]  until FILE holds N lines"},
      {L"time-keys", timeKeys, {}, L"--log FILE --lines N KEYS... [--timeout MS]  types, prints ms until FILE has N lines"},
  };
  return table;
}

void printUsage() {
  std::wstring text = L"usage: driver.exe [--out FILE] COMMAND [ARGS...] [--then COMMAND [ARGS...]]...\n";
  for (const Command& command : commands()) text += L"  " + std::wstring(command.name) + L" " + command.usage + L"\n";
  Output(L"").line(text);
}

void printError(const std::wstring& text) {
  std::string bytes = toUtf8(L"driver: " + text + L"\n");
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Runs one command line segment: its name and its arguments.
int run(const std::vector<std::wstring>& words, Output& out) {
  for (const Command& command : commands()) {
    if (words[0] != command.name) continue;
    try {
      Args args(std::vector<std::wstring>(words.begin() + 1, words.end()), command.flags);
      return command.run(args, out);
    } catch (const Failure& failure) {
      printError(std::wstring(command.name) + L": " + failure.message);
      return failure.code;
    }
  }
  printError(L"unknown command " + words[0]);
  printUsage();
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> words(argv + 1, argv + argc);
  std::wstring outPath;
  if (words.size() >= 2 && words[0] == L"--out") {
    outPath = words[1];
    words.erase(words.begin(), words.begin() + 2);
  }
  std::vector<std::vector<std::wstring>> segments(1);
  for (const std::wstring& word : words) {
    if (word == L"--then") {
      segments.emplace_back();
    } else {
      segments.back().push_back(word);
    }
  }
  for (const auto& segment : segments) {
    if (segment.empty()) {
      printUsage();
      return 2;
    }
  }
  try {
    Output out(outPath);
    for (const auto& segment : segments) {
      if (int code = run(segment, out); code != 0) return code;
    }
  } catch (const Failure& failure) {
    printError(failure.message);
    return failure.code;
  }
  return 0;
}
