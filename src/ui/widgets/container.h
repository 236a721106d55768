#pragma once

#include <string>
#include <string_view>

#include "ui/widgets/control_kind.h"
#include "ui/widgets/window.h"
#include "ui/widgets/windowless_host.h"

// A child window that holds other controls: windowless ones drawn on its surface
// and child windows above it. Each kind draws its own background and frame.
class Container : public Window {
 public:
  // kind: GroupBox, Panel, StatusBar or StatusPanel.
  Container(ControlKind kind, HWND parent, const RECT& bounds, std::wstring text, std::wstring element,
            const Theme& theme);

  WindowlessHost& windowless() { return windowless_; }

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void paintBackground(HDC dc, const RECT& client) const;
  void paintPart(HDC dc, std::string_view part, const RECT& box, COLORREF plainFace, bool framed) const;

  ControlKind kind_;
  std::wstring text_;
  std::wstring element_;
  const Theme& theme_;
  WindowlessHost windowless_;
};
