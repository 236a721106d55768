#pragma once

#include <windows.h>

#include <string>

#include "ui/widgets/theme.h"

// A single-line edit box: the system's edit control under a class name of ours,
// coloured by its parent.
class Edit {
 public:
  Edit(HWND parent, const RECT& bounds, const std::wstring& text, const Theme& theme);

  HWND hwnd() const { return hwnd_; }
  std::wstring text() const;
  void setText(const std::wstring& text);

 private:
  HWND hwnd_;
};
