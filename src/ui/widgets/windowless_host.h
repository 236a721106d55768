#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/widgets/theme.h"
#include "ui/widgets/windowless.h"

// The windowless controls that live on one window's surface: it paints them
// (other controls first, buttons above them) and turns the window's mouse
// messages into button clicks.
class WindowlessHost {
 public:
  explicit WindowlessHost(const Theme& theme) : theme_(theme) {}

  void add(std::unique_ptr<WindowlessControl> control) { controls_.push_back(std::move(control)); }
  void addButton(std::unique_ptr<SpeedButton> button) { buttons_.push_back(std::move(button)); }

  void paint(HDC dc) const;

  // Handles the mouse and cursor messages of `hwnd` and the ticks of the buttons'
  // fades; true when it took the message.
  bool handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  SpeedButton* buttonAt(POINT point) const;
  void setHot(HWND hwnd, SpeedButton* button);
  void fadeTo(HWND hwnd, SpeedButton& button, bool active);
  void stepFades(HWND hwnd);
  static void repaint(HWND hwnd, const SpeedButton* button);

  const Theme& theme_;
  std::vector<std::unique_ptr<WindowlessControl>> controls_;
  std::vector<std::unique_ptr<SpeedButton>> buttons_;
  SpeedButton* hot_ = nullptr;
  SpeedButton* pressed_ = nullptr;
};
