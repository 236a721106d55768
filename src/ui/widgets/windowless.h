#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/widgets/fade.h"
#include "ui/widgets/theme.h"

// A control without a window of its own: its parent draws it and, for buttons,
// tracks the mouse over it. Such controls never take the keyboard focus.
class WindowlessControl {
 public:
  explicit WindowlessControl(const RECT& bounds) : bounds_(bounds) {}
  virtual ~WindowlessControl() = default;

  const RECT& bounds() const { return bounds_; }
  virtual void paint(HDC dc, const Theme& theme) const = 0;

 private:
  RECT bounds_;
};

// Static text in a fixed box, drawn over whatever lies beneath it.
class Label : public WindowlessControl {
 public:
  Label(const RECT& bounds, std::wstring text) : WindowlessControl(bounds), text_(std::move(text)) {}
  void paint(HDC dc, const Theme& theme) const override;

 private:
  std::wstring text_;
};

// A plain push button: one click for each press and release over it, no repeat
// while it is held, and it never stays down.
class SpeedButton : public WindowlessControl {
 public:
  SpeedButton(const RECT& bounds, std::wstring text, std::wstring element, std::function<void()> onClick)
      : WindowlessControl(bounds), text_(std::move(text)), element_(std::move(element)),
        onClick_(std::move(onClick)) {}

  void paint(HDC dc, const Theme& theme) const override;
  void click() const { if (onClick_) onClick_(); }
  const std::wstring& element() const { return element_; }

  Fade hover;         // towards active while the mouse is over it
  bool down = false;  // pressed, and the mouse is over it

 private:
  std::wstring text_;
  std::wstring element_;
  std::function<void()> onClick_;
};
