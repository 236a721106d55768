#include "ui/skin/frame_model.h"

FrameGeometry frameGeometry(const SkinFrame& frame, PixelSize framePicture, PixelSize client) {
  const FrameInsets insets{frame.client.left, frame.client.top,
                           framePicture.width - frame.client.right,
                           framePicture.height - frame.client.bottom};
  return {insets,
          {client.width + insets.left + insets.right, client.height + insets.top + insets.bottom},
          frame.rolledUpHeight};
}

SkinRect placeInCaptionBand(const SkinFrame& frame, int framePictureWidth, SkinRect inPicture,
                            int windowWidth) {
  const int widening = windowWidth - framePictureWidth;
  const auto place = [&](int x) { return x >= frame.stretchRight ? x + widening : x; };
  return {place(inPicture.left), inPicture.top, place(inPicture.right), inPicture.bottom};
}

bool captionButtonEnabled(CaptionButtonKind button, const BorderIcons& icons) {
  switch (button) {
    case CaptionButtonKind::SystemMenu: return icons.systemMenu;
    case CaptionButtonKind::Minimize: return icons.minimize;
    case CaptionButtonKind::Maximize: return icons.maximize;
    case CaptionButtonKind::RollUp: return icons.rollUp;
    case CaptionButtonKind::Close: break;
  }
  return true;
}

std::vector<SystemMenuItem> systemMenuItems(const BorderIcons& icons, WindowState state) {
  const bool minimized = state == WindowState::Minimized;
  const bool rolledUp = state == WindowState::RolledUp;
  std::vector<SystemMenuItem> items;
  if (icons.minimize && !minimized) items.push_back({SystemCommand::Minimize, L"Mi&nimize", {}});
  // The window has no maximized state, so a window that allows maximizing always may.
  if (icons.maximize) items.push_back({SystemCommand::Maximize, L"Ma&ximize", {}});
  if (rolledUp || minimized) items.push_back({SystemCommand::Restore, L"&Restore", {}});
  if (icons.rollUp && !rolledUp && !minimized) {
    items.push_back({SystemCommand::RollUp, L"Ro&llUp", {}});
  }
  if (icons.minimizeToTray) {
    items.push_back({SystemCommand::MinimizeToTray, L"Minimize to &Tray", {}});
  }
  if (!items.empty()) items.push_back({SystemCommand::Separator, {}, {}});
  items.push_back({SystemCommand::Close, L"&Close", L"Alt+F4"});
  return items;
}
