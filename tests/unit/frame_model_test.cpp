#include "ui/skin/frame_model.h"

#include <gtest/gtest.h>

#include "skin_test_files.h"
#include "ui/skin/stored_skin.h"

namespace {

struct RealFrame {
  SkinFrame frame;
  PixelSize picture;
};

RealFrame realFrame() {
  const StoredSkin stored = readStoredSkin(realStoredSkin());
  return {parseSkinDescription(stored.text).frame, {stored.frame.width, stored.frame.height}};
}

TEST(FrameModel, WindowIsTheClientAreaInsideTheSkinsBorders) {
  const auto [frame, picture] = realFrame();

  const FrameGeometry geometry = frameGeometry(frame, picture, {422, 216});

  EXPECT_EQ(geometry.insets, (FrameInsets{7, 30, 7, 8}));
  EXPECT_EQ(geometry.window, (PixelSize{436, 254}));
  // Rolled up, only the caption band and the bottom border remain.
  EXPECT_EQ(geometry.rolledUpHeight, 38);
  EXPECT_EQ(geometry.rolledUpHeight, geometry.insets.top + geometry.insets.bottom);
}

TEST(FrameModel, CaptionBandPartsRightOfTheStretchKeepTheirDistanceToTheRightEdge) {
  const auto [frame, picture] = realFrame();
  struct Case {
    SkinRect inPicture;
    int windowWidth;
    SkinRect inWindow;
  };
  const SkinRect close = frame.button(CaptionButtonKind::Close).normal.rect;
  const SkinRect systemMenu = frame.button(CaptionButtonKind::SystemMenu).normal.rect;
  for (const auto& [inPicture, windowWidth, inWindow] : {
           Case{close, 436, {412, 7, 428, 23}},
           Case{systemMenu, 436, {8, 7, 24, 23}},
           Case{frame.captionText, 436, {28, 0, 360, 30}},
           Case{close, picture.width, close},
       }) {
    EXPECT_EQ(placeInCaptionBand(frame, picture.width, inPicture, windowWidth), inWindow);
  }
}

TEST(FrameModel, OnlyMaximizeIsDisabledOnTheMainWindow) {
  struct Case {
    CaptionButtonKind button;
    bool enabled;
  };
  for (const auto& [button, enabled] :
       {Case{CaptionButtonKind::SystemMenu, true}, Case{CaptionButtonKind::Minimize, true},
        Case{CaptionButtonKind::Maximize, false}, Case{CaptionButtonKind::RollUp, true},
        Case{CaptionButtonKind::Close, true}}) {
    EXPECT_EQ(captionButtonEnabled(button, kMainFormBorderIcons), enabled)
        << static_cast<int>(button);
  }
  EXPECT_TRUE(captionButtonEnabled(CaptionButtonKind::Close, BorderIcons{}));
}

std::wstring captions(const std::vector<SystemMenuItem>& items) {
  std::wstring text;
  for (const SystemMenuItem& item : items) {
    if (!text.empty()) text += L"|";
    text += item.command == SystemCommand::Separator ? L"-" : std::wstring(item.caption);
  }
  return text;
}

struct MenuCase {
  const char* name;
  BorderIcons icons;
  WindowState state;
  std::wstring items;
};

void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }

class SystemMenuByState : public testing::TestWithParam<MenuCase> {};

TEST_P(SystemMenuByState, ListsTheItemsTheStateAllows) {
  EXPECT_EQ(captions(systemMenuItems(GetParam().icons, GetParam().state)), GetParam().items);
}

constexpr BorderIcons kEverything{true, true, true, true, true};

INSTANTIATE_TEST_SUITE_P(
    Cases, SystemMenuByState,
    testing::Values(MenuCase{"Normal", kMainFormBorderIcons, WindowState::Normal,
                             L"Mi&nimize|Ro&llUp|Minimize to &Tray|-|&Close"},
                    MenuCase{"RolledUp", kMainFormBorderIcons, WindowState::RolledUp,
                             L"Mi&nimize|&Restore|Minimize to &Tray|-|&Close"},
                    MenuCase{"Minimized", kMainFormBorderIcons, WindowState::Minimized,
                             L"&Restore|Minimize to &Tray|-|&Close"},
                    MenuCase{"MaximizeAllowed", kEverything, WindowState::Normal,
                             L"Mi&nimize|Ma&ximize|Ro&llUp|Minimize to &Tray|-|&Close"},
                    MenuCase{"NothingAllowedHasNoSeparator", BorderIcons{}, WindowState::Normal,
                             L"&Close"},
                    MenuCase{"RollUpNotAllowed", BorderIcons{.systemMenu = true, .minimize = true},
                             WindowState::Normal, L"Mi&nimize|-|&Close"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemMenu, ItemsCarryTheirCommandsAndCloseShowsAltF4) {
  const std::vector<SystemMenuItem> expected = {
      {SystemCommand::Minimize, L"Mi&nimize", L""},
      {SystemCommand::RollUp, L"Ro&llUp", L""},
      {SystemCommand::MinimizeToTray, L"Minimize to &Tray", L""},
      {SystemCommand::Separator, L"", L""},
      {SystemCommand::Close, L"&Close", L"Alt+F4"},
  };
  EXPECT_EQ(systemMenuItems(kMainFormBorderIcons, WindowState::Normal), expected);
}

}  // namespace
