#include "ui/skin/skin_fit.h"

#include <string>

#include "ui/skin/stored_skin.h"

namespace {

std::wstring widen(std::string_view text) { return {text.begin(), text.end()}; }

bool fits(const SkinRect& rect, PixelSize picture) {
  return rect.left >= 0 && rect.top >= 0 && rect.right <= picture.width && rect.bottom <= picture.height;
}

class FitCheck {
 public:
  FitCheck(PixelSize framePicture, std::span<const PixelSize> pictures)
      : framePicture_(framePicture), pictures_(pictures) {}

  void inFrame(const SkinRect& rect, const std::wstring& what) const {
    if (!fits(rect, framePicture_)) throwDamagedSkin(what + L" lies outside the frame picture");
  }

  void part(const PicturePart& part, const std::wstring& what) const {
    if (part.picture == kFramePicture) return inFrame(part.rect, what);
    if (part.picture >= static_cast<int>(pictures_.size())) {
      throwDamagedSkin(what + L" names picture " + std::to_wstring(part.picture) + L", which it lacks");
    }
    if (!fits(part.rect, pictures_[part.picture])) {
      throwDamagedSkin(what + L" lies outside picture " + std::to_wstring(part.picture));
    }
  }

 private:
  PixelSize framePicture_;
  std::span<const PixelSize> pictures_;
};

constexpr const wchar_t* kButtonNames[] = {L"system menu", L"minimize", L"maximize", L"roll-up",
                                           L"close"};

}  // namespace

void checkSkinFitsPictures(const SkinDescription& skin, PixelSize framePicture,
                           std::span<const PixelSize> pictures) {
  const FitCheck check(framePicture, pictures);
  const SkinFrame& frame = skin.frame;
  check.inFrame(frame.client, L"the client area");
  check.inFrame(frame.captionText, L"the caption text");
  check.inFrame({frame.stretchLeft, 0, frame.stretchRight, framePicture.height}, L"the stretch");
  check.part(frame.activeCaption, L"the active caption");
  for (std::size_t i = 0; i < kCaptionButtonCount; ++i) {
    const std::wstring name = std::wstring(L"the ") + kButtonNames[i] + L" button's ";
    const CaptionButtonParts& button = frame.buttons[i];
    check.part(button.normal, name + L"normal picture");
    check.part(button.active, name + L"active picture");
    if (button.disabled) check.part(*button.disabled, name + L"disabled picture");
  }
  check.part(skin.menu.window, L"the menu window");
  check.part(skin.menu.item, L"the menu item");
  check.part(skin.menu.highlightedItem, L"the highlighted menu item");
  check.part(skin.menu.separator, L"the menu separator");
  check.part(skin.tooltip.window, L"the tooltip window");
  for (const auto& [elementName, element] : skin.elements) {
    for (const auto& [partName, part] : element.parts) {
      check.part(part, L"element " + widen(elementName) + L"'s " + widen(partName));
    }
  }
}
