#include "ui/frame/frame_painter.h"

#include "ui/skin/skin_drawing.h"
#include "ui/widgets/fade.h"
#include "ui/widgets/paint_buffer.h"

namespace {

// A part of the width of the frame picture drawn so that its columns left of the
// stretch and right of it keep their size, as the frame picture's do.
PicturePart stretchedAsTheFrame(PicturePart part, const SkinFrame& frame, int framePictureWidth) {
  part.margins.left = frame.stretchLeft;
  part.margins.right = framePictureWidth - frame.stretchRight;
  return part;
}

}  // namespace

void paintFrame(HDC dc, SIZE window, const FrameLayout& layout, const FrameLook& look, const Skin& skin,
                const Theme& theme) {
  const SkinFrame& frame = skin.description().frame;
  const SIZE picture = skin.pictureSize(kFramePicture);

  // The whole frame picture over the whole window: the caption band and the bottom
  // border widen at the stretch, the side borders lengthen beside the client area.
  PicturePart whole = stretchedAsTheFrame({kFramePicture, {0, 0, picture.cx, picture.cy}, {}}, frame, picture.cx);
  whole.margins.top = frame.client.top;
  whole.margins.bottom = picture.cy - frame.client.bottom;
  drawPicturePart(dc, skin, whole, RECT{0, 0, window.cx, window.cy}, theme.dpi());

  const RECT band{0, 0, window.cx, layout.insets.top};
  drawPicturePart(dc, skin, stretchedAsTheFrame(frame.activeCaption, frame, picture.cx), band, theme.dpi(),
                  look.activation);

  for (std::size_t i = 0; i < kCaptionButtonCount; ++i) {
    const CaptionButtonParts& parts = frame.buttons[i];
    if (!look.enabled[i]) {
      if (parts.disabled) drawPicturePart(dc, skin, *parts.disabled, layout.buttons[i], theme.dpi());
    } else {
      drawPicturePart(dc, skin, parts.active, layout.buttons[i], theme.dpi(), look.hover[i]);
    }
  }

  const SkinFont& font = frame.captionFont;
  drawTextLine(dc, look.caption.c_str(), layout.captionText, theme.font(font.name, font.height, font.bold),
               mixColours(frame.captionColour, frame.captionActiveColour, look.activation),
               alignmentFormat(frame.captionAlignment) | DT_VCENTER);
}
