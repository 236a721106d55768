#pragma once

#include <span>
#include <string_view>

#include "ui/widgets/control_kind.h"

class TForm1;

// One control of the main window as stored with the program. Positions and sizes
// are pixels at 96 DPI relative to the parent's client area; an empty parent is
// the window itself.
struct ControlRecord {
  ControlKind kind;
  std::wstring_view name;
  std::wstring_view parent;
  int left, top, width, height;
  std::wstring_view text;
  std::wstring_view skinElement;
  void (TForm1::*handler)() = nullptr;
  bool checked = false;             // check boxes: the state at start
  const wchar_t* picture = nullptr;  // images: the name of the stored picture
};

// The main window's client area, 422 x 216, and its controls in creation order.
inline constexpr int kMainFormClientWidth = 422;
inline constexpr int kMainFormClientHeight = 216;
std::span<const ControlRecord> mainFormLayout();
