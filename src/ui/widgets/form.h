#pragma once

#include <optional>

#include "ui/frame/skinned_frame.h"
#include "ui/widgets/window.h"
#include "ui/widgets/windowless_host.h"

// A top-level window of a fixed client size, opened centred on the screen, whose
// client surface holds windowless controls. With a skin its frame is the skin's;
// without one it keeps the system's caption and borders.
class Form : public Window {
 public:
  Form(const wchar_t* className, const wchar_t* caption, int clientWidth, int clientHeight,
       const BorderIcons& icons, const Theme& theme);

  WindowlessHost& windowless() { return windowless_; }

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  WindowlessHost windowless_;
  std::optional<SkinnedFrame> frame_;
  HWND focusWhileInactive_ = nullptr;
};
