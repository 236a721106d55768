#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/settings_store.h"
#include "ui/layout_choice.h"
#include "ui/main_form_layout.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/container.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/form.h"
#include "ui/widgets/timer.h"

// The program's one window. It is built from its stored layout, and its handlers
// carry the program: start-up and close, the spacing settings, the layout choice
// and the Ctrl+F hotkey.
class TForm1 : public Form {
 public:
  explicit TForm1(const Theme& theme);

  // A second copy of the program turns itself away during creation.
  bool turnedAway() const { return turnedAway_; }

  // The window opens with the focus on the chosen layout's box: the spacing boxes
  // are changed with the buttons, not typed into.
  HWND initialFocus() const { return layoutBoxes_.front()->hwnd(); }

  void FormCreate();
  void FormClose();
  void WMHotKey(LPARAM lParam);
  void Timer5Timer();

  void bsSkinSpeedButton2Click();  // "退出"
  void bsSkinSpeedButton3Click();  // "进入淘宝店"
  void bsSkinSpeedButton4Click();  // "恢复默认间距"
  void bsSkinSpeedButton6Click();  // up-down +1
  void bsSkinSpeedButton7Click();  // left-right +1
  void bsSkinSpeedButton8Click();  // up-down -1
  void bsSkinSpeedButton9Click();  // left-right -1
  void bsSkinCheckRadioBox7Click();
  void bsSkinCheckRadioBox8Click();
  void bsSkinCheckRadioBox2Click();
  void bsSkinCheckRadioBox3Click();

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void buildControls(const Theme& theme);
  void stepSpacing(Edit& box, int delta);
  void showStoreInBoxes();
  void saveSettings();
  CheckBox& layoutBox(LayoutChoice choice);
  void applyLayoutExclusion(LayoutChoice clicked);
  LayoutChoice CurrentLayout();
  void onTimerTick();

  std::map<std::wstring, std::unique_ptr<Container>, std::less<>> containers_;
  std::map<std::wstring, std::unique_ptr<Edit>, std::less<>> edits_;
  std::map<std::wstring, std::unique_ptr<CheckBox>, std::less<>> checkBoxes_;

  Edit* bsSkinEdit4 = nullptr;  // left-right spacing
  Edit* bsSkinEdit3 = nullptr;  // up-down spacing
  std::array<CheckBox*, 4> layoutBoxes_{};  // in the order the choice is read

  SettingsStore Memo1;
  std::wstring settingsPath_;
  std::optional<Timer> Timer5;
  bool refreshReportOpen_ = false;
  bool turnedAway_ = false;
};
