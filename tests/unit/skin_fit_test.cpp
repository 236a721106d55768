#include "ui/skin/skin_fit.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/app_error.h"
#include "skin_test_files.h"
#include "ui/skin/stored_skin.h"

namespace {

struct RealSkin {
  SkinDescription description;
  PixelSize frame;
  std::vector<PixelSize> pictures;
};

RealSkin realSkin() {
  const StoredSkin stored = readStoredSkin(realStoredSkin());
  RealSkin skin{parseSkinDescription(stored.text), {stored.frame.width, stored.frame.height}, {}};
  for (const SkinBitmap& picture : stored.pictures) skin.pictures.push_back({picture.width, picture.height});
  return skin;
}

TEST(SkinFit, TheRealSkinFitsItsPictures) {
  const RealSkin skin = realSkin();
  EXPECT_NO_THROW(checkSkinFitsPictures(skin.description, skin.frame, skin.pictures));
}

struct Misfit {
  const char* name;
  std::function<void(RealSkin&)> spoil;
  std::wstring complaint;
};

void PrintTo(const Misfit& misfit, std::ostream* os) { *os << misfit.name; }

class SkinMisfits : public testing::TestWithParam<Misfit> {};

TEST_P(SkinMisfits, AreReportedAsDamage) {
  RealSkin skin = realSkin();
  GetParam().spoil(skin);
  try {
    checkSkinFitsPictures(skin.description, skin.frame, skin.pictures);
    FAIL() << "no complaint";
  } catch (const AppError& error) {
    EXPECT_EQ(error.message(), L"The stored skin is damaged: " + GetParam().complaint);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkinMisfits,
    testing::Values(
        Misfit{"ClientAreaWiderThanTheFrame",
               [](RealSkin& s) { s.description.frame.client.right = s.frame.width + 1; },
               L"the client area lies outside the frame picture"},
        Misfit{"StretchPastTheRightEdge",
               [](RealSkin& s) { s.description.frame.stretchRight = s.frame.width + 1; },
               L"the stretch lies outside the frame picture"},
        Misfit{"CaptionTextBelowTheFrame",
               [](RealSkin& s) { s.description.frame.captionText.bottom = s.frame.height + 1; },
               L"the caption text lies outside the frame picture"},
        Misfit{"CloseButtonOutsideTheFrame",
               [](RealSkin& s) {
                 s.description.frame.buttons[4].normal.rect = {110, 7, 126, 23};
               },
               L"the close button's normal picture lies outside the frame picture"},
        Misfit{"ActivePictureOutsideItsPicture",
               [](RealSkin& s) { s.description.frame.buttons[0].active.rect.bottom = 48; },
               L"the system menu button's active picture lies outside picture 0"},
        Misfit{"MenuItemInAMissingPicture",
               [](RealSkin& s) { s.pictures.resize(2); },
               L"the menu item names picture 2, which it lacks"},
        Misfit{"ElementPartOutsideItsPicture",
               [](RealSkin& s) { s.description.elements.at("edit").parts.at("normal").rect.right = 517; },
               L"element edit's normal lies outside picture 3"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
