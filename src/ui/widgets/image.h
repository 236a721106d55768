#pragma once

#include "ui/jpeg_picture.h"
#include "ui/widgets/windowless.h"

// A picture drawn at its natural size (scaled only by the screen's DPI) from the
// top-left corner of its box.
class Image : public WindowlessControl {
 public:
  Image(const RECT& bounds, Picture picture) : WindowlessControl(bounds), picture_(std::move(picture)) {}
  void paint(HDC dc, const Theme& theme) const override;

 private:
  Picture picture_;
};
