#pragma once

#include "args.h"
#include "output.h"

// One function per subcommand; each returns the process exit code or throws Failure.

// Top-level windows: finding, waiting, geometry, the child tree.
int waitWindow(const Args& args, Output& out);
int waitGone(const Args& args, Output& out);
int windowRect(const Args& args, Output& out);
int clientRect(const Args& args, Output& out);
int moveWindow(const Args& args, Output& out);
int childTree(const Args& args, Output& out);
int waitText(const Args& args, Output& out);
int setText(const Args& args, Output& out);

// Foreground and keyboard focus; message round trips.
int bringToFront(HWND hwnd, DWORD timeoutMs);
int bringToFront(const Args& args, Output& out);
int showForeground(const Args& args, Output& out);
int waitFocus(const Args& args, Output& out);
int waitIdle(const Args& args, Output& out);
int postMessage(const Args& args, Output& out);

// Message boxes.
int messageBox(const Args& args, Output& out);
int countBoxes(const Args& args, Output& out);

// Mouse and keyboard.
int click(const Args& args, Output& out);
int press(const Args& args, Output& out);
int release(const Args& args, Output& out);
int keys(const Args& args, Output& out);

// Hotkeys and the global atom table.
int holdHotkey(const Args& args, Output& out);
int checkHotkey(const Args& args, Output& out);
int findAtom(const Args& args, Output& out);

// Pictures of the screen.
int screenshot(const Args& args, Output& out);
int compareImages(const Args& args, Output& out);

// The skinned frame: the mouse at points of the whole window, the window's
// rectangle and show state, the colours it shows, a program's resources.
int frameClick(const Args& args, Output& out);
int frameDrag(const Args& args, Output& out);
int frameHover(const Args& args, Output& out);
int waitRect(const Args& args, Output& out);
int screenSize(const Args& args, Output& out);
int windowState(const Args& args, Output& out);
int waitColour(const Args& args, Output& out);
int replaceResource(const Args& args, Output& out);

// The client area's contents: the window at a point, its picture, the top-level windows;
// the mouse moved away before a window opens.
int hitWindow(const Args& args, Output& out);
int clientScreenshot(const Args& args, Output& out);
int moveMouse(const Args& args, Output& out);
int listTopLevelWindows(const Args& args, Output& out);

// Programs: a recorder of its own command line, and start-up timing.
int echoArguments(const Args& args, Output& out);
int timeStart(const Args& args, Output& out);

// The spacing and layout scenarios: control texts, the set of open boxes, clicks
// that wait until they are taken, a settings file held open, the system's error texts; the stand-in's key log
// followed line by line, and the bench's stopwatch on it.
int printText(const Args& args, Output& out);
int listBoxes(const Args& args, Output& out);
int closeBox(const Args& args, Output& out);
int clickHeld(const Args& args, Output& out);
int holdFile(const Args& args, Output& out);
int systemErrorText(const Args& args, Output& out);
int waitLines(const Args& args, Output& out);
int timeKeys(const Args& args, Output& out);
