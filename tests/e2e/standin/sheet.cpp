#include "sheet.h"

#include <utility>

namespace {
// A one-inch photo, a little smaller than the default spacing so neighbours keep a gap.
constexpr int kPhotoWidth = 100;
constexpr int kPhotoHeight = 140;
}  // namespace

void Sheet::keyDown(UINT vk, bool ctrl, bool alt) {
  if (vk == VK_CONTROL || vk == VK_MENU || vk == VK_SHIFT) return;  // only chords count
  const MenuStep menu = std::exchange(menu_, MenuStep::None);
  if (alt) {
    if (vk == 'E') menu_ = MenuStep::EditMenu;
    return;
  }
  if (ctrl) {
    if (vk == 'V') photos_.push_back({kWidth / 2, kHeight / 2, kPhotoWidth, kPhotoHeight});
    if (vk == 'J' && current()) photos_.push_back(photos_.back());
    return;
  }
  switch (vk) {
    case 'A': if (menu == MenuStep::EditMenu) menu_ = MenuStep::Transform; break;
    case '9': if (menu == MenuStep::Transform) turnQuarter(); break;
    case VK_LEFT: move(-1, 0); break;
    case VK_RIGHT: move(1, 0); break;
    case VK_UP: move(0, -1); break;
    case VK_DOWN: move(0, 1); break;
    default: break;
  }
}

void Sheet::move(int dx, int dy) {
  if (photos_.empty()) return;
  photos_.back().centreX += dx;
  photos_.back().centreY += dy;
}

void Sheet::turnQuarter() {
  if (photos_.empty()) return;
  std::swap(photos_.back().width, photos_.back().height);
}
