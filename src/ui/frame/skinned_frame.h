#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "ui/frame/frame_layout.h"
#include "ui/widgets/fade.h"

// The window's frame drawn from the skin in place of the system's caption and
// borders: it sizes the client area by the skin's borders, paints the frame,
// answers hit-testing and the mouse on it, and owns the system menu and rolling
// up. Everything else the window does goes on as for any window.
class SkinnedFrame {
 public:
  SkinnedFrame(const Skin& skin, const Theme& theme, PixelSize client, const BorderIcons& icons);

  SIZE windowSize() const { return layout_.window; }

  // Handles a message of the framed window; nothing when the window's own handling
  // or the system's should take it.
  std::optional<LRESULT> handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  LRESULT hitTest(HWND hwnd, POINT screen) const;
  std::optional<CaptionButtonKind> buttonAt(HWND hwnd, POINT screen) const;
  bool enabled(CaptionButtonKind button) const;
  WindowState state(HWND hwnd) const;

  void paint(HWND hwnd) const;
  void setHot(HWND hwnd, std::optional<CaptionButtonKind> button);
  void startFades(HWND hwnd);
  void stepFades(HWND hwnd);

  std::optional<LRESULT> onCaptionPress(HWND hwnd, WPARAM hit);
  LRESULT onCapturedMouse(HWND hwnd, UINT message, LPARAM lParam);
  POINT belowSystemMenuButton(HWND hwnd) const;
  void openSystemMenu(HWND hwnd, POINT at, bool fromButton);
  void run(HWND hwnd, CaptionButtonKind button);
  void run(HWND hwnd, SystemCommand command);
  void toggleRollUp(HWND hwnd);

  const Skin& skin_;
  const Theme& theme_;
  FrameLayout layout_;
  BorderIcons icons_;
  Fade activation_;
  std::array<Fade, kCaptionButtonCount> hover_;
  std::optional<CaptionButtonKind> hot_;
  std::optional<CaptionButtonKind> pressed_;
  bool rolledUp_ = false;
  int unrolledHeight_ = 0;
};
