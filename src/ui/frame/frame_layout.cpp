#include "ui/frame/frame_layout.h"

FrameLayout frameLayout(const Skin& skin, PixelSize client, const Theme& theme) {
  const SkinFrame& frame = skin.description().frame;
  const SIZE picture = skin.pictureSize(kFramePicture);
  const FrameGeometry geometry = frameGeometry(frame, {picture.cx, picture.cy}, client);
  const auto scaled = [&](const SkinRect& inPicture) {
    const SkinRect r = placeInCaptionBand(frame, picture.cx, inPicture, geometry.window.width);
    return RECT{theme.scale(r.left), theme.scale(r.top), theme.scale(r.right), theme.scale(r.bottom)};
  };

  const FrameInsets& insets = geometry.insets;
  FrameLayout layout{};
  layout.insets = {theme.scale(insets.left), theme.scale(insets.top), theme.scale(insets.right),
                   theme.scale(insets.bottom)};
  // Scaled as the client area and the borders are, so the client keeps its exact size.
  layout.window = {theme.scale(client.width) + layout.insets.left + layout.insets.right,
                   theme.scale(client.height) + layout.insets.top + layout.insets.bottom};
  layout.rolledUpHeight = theme.scale(geometry.rolledUpHeight);
  layout.captionText = scaled(frame.captionText);
  for (std::size_t i = 0; i < kCaptionButtonCount; ++i) layout.buttons[i] = scaled(frame.buttons[i].normal.rect);
  return layout;
}
