#pragma once

#include <functional>
#include <string>

#include "ui/widgets/fade.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/window.h"

// A two-state check box with a square mark, drawn over its parent's background;
// the mark fades to its active look while the mouse is over the box.
// It toggles when the left button is pressed and released over it, or when Space
// is released while it has the focus. Every change of state, by the user or from
// code, first repaints it and then calls its click handler.
class CheckBox : public Window {
 public:
  CheckBox(HWND parent, const RECT& bounds, std::wstring text, bool checked, const Theme& theme);

  bool checked() const { return checked_; }
  void setChecked(bool checked);
  void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void paint(HDC dc, const RECT& client) const;
  void paintPlainMark(HDC dc, const RECT& mark) const;
  void setHover(bool hover);

  std::wstring text_;
  bool checked_;
  bool pressed_ = false;
  bool hovering_ = false;
  Fade hover_;  // of the mark, towards its active picture while the mouse is over the box
  const Theme& theme_;
  std::function<void()> onClick_;
};
