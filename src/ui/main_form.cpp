#include "ui/main_form.h"

#include <shellapi.h>

#include "app/ansi_text.h"
#include "app/app_error.h"
#include "app/hotkey_registration.h"
#include "app/integer_text.h"
#include "app/message_box.h"
#include "app/settings_file.h"
#include "app/single_instance.h"
#include "app/spacing.h"
#include "automation/hotkey_gate.h"
#include "automation/layout_macro.h"
#include "automation/process_name.h"
#include "automation/send_key_action.h"
#include "automation/send_macro.h"
#include "build_config.h"
#include "ui/layout_selector.h"
#include "ui/stored_picture.h"
#include "ui/widgets/image.h"

namespace {

constexpr UINT_PTR kTimer5Id = 5;
constexpr UINT kRefreshIntervalMs = 1000;

const ControlRecord* findRecord(std::wstring_view name) {
  for (const ControlRecord& record : mainFormLayout()) {
    if (record.name == name) return &record;
  }
  return nullptr;
}

SIZE clientSizeOf(std::wstring_view control) {
  if (control.empty()) return {kMainFormClientWidth, kMainFormClientHeight};
  const ControlRecord* record = findRecord(control);
  return record ? SIZE{record->width, record->height} : SIZE{};
}

// The layout scales as one picture: each edge is scaled where it lies in the client
// area, so a control that fills its parent at 96 DPI (the status panel) still fills
// it at any other, where scaling the parent and the child apart could miss by one.
RECT scaledBounds(std::wstring_view parent, int left, int top, int width, int height, const Theme& theme) {
  POINT origin{0, 0};
  for (const ControlRecord* record = findRecord(parent); record; record = findRecord(record->parent)) {
    origin.x += record->left;
    origin.y += record->top;
  }
  RECT bounds = theme.scale(origin.x + left, origin.y + top, width, height);
  OffsetRect(&bounds, -theme.scale(origin.x), -theme.scale(origin.y));
  return bounds;
}

// A child window is created below its siblings, and the dialog manager tabs through
// them from the top down. Of two overlapping controls the later one lies on top, so
// one that overlaps a sibling built before it is raised. Only "2寸6张" does, by two
// rows of "2寸4张"; it ends the tab cycle, and raising it leaves the cycle as it is.
void raiseOverEarlierSiblings(HWND control) {
  RECT own;
  GetWindowRect(control, &own);
  for (HWND sibling = GetWindow(control, GW_HWNDFIRST); sibling && sibling != control;
       sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    RECT other, common;
    GetWindowRect(sibling, &other);
    if (IntersectRect(&common, &own, &other)) {
      SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      return;
    }
  }
}

// Only the part of a picture inside its parent is ever seen, so only that part is
// decoded and kept: the background shows 422 x 216 of its 1920 x 1200 pixels.
std::unique_ptr<Image> makeImage(const ControlRecord& record, const Theme& theme) {
  const SIZE area = clientSizeOf(record.parent);
  const int left = std::max(record.left, 0);
  const int top = std::max(record.top, 0);
  const int right = std::min<int>(record.left + record.width, area.cx);
  const int bottom = std::min<int>(record.top + record.height, area.cy);
  const PictureCrop crop{left - record.left, top - record.top, right - left, bottom - top};
  return std::make_unique<Image>(scaledBounds(record.parent, left, top, right - left, bottom - top, theme),
                                 decodeJpeg(storedPicture(record.picture), crop));
}

}  // namespace

TForm1::TForm1(const Theme& theme)
    : Form(L"TForm1", QUORLEN_APP_TITLE, kMainFormClientWidth, kMainFormClientHeight, kMainFormBorderIcons,
           theme),
      settingsPath_(settingsFilePath()) {
  buildControls(theme);
  Timer5.emplace(hwnd(), kTimer5Id, kRefreshIntervalMs);
  runReportingErrors(hwnd(), [this] { FormCreate(); });
}

void TForm1::buildControls(const Theme& theme) {
  for (const ControlRecord& record : mainFormLayout()) {
    Container* parent = record.parent.empty() ? nullptr : containers_.find(record.parent)->second.get();
    const HWND parentWindow = parent ? parent->hwnd() : hwnd();
    WindowlessHost& surface = parent ? parent->windowless() : windowless();
    const RECT bounds = scaledBounds(record.parent, record.left, record.top, record.width, record.height, theme);
    const std::wstring name(record.name);
    const std::wstring text(record.text);
    const std::wstring element(record.skinElement);
    std::function<void()> handler;
    if (record.handler) handler = [this, method = record.handler] { (this->*method)(); };

    switch (record.kind) {
      case ControlKind::Label:
        surface.add(std::make_unique<Label>(bounds, text));
        break;
      case ControlKind::SpeedButton:
        surface.addButton(std::make_unique<SpeedButton>(bounds, text, element, handler));
        break;
      case ControlKind::GroupBox:
      case ControlKind::Panel:
      case ControlKind::StatusBar:
      case ControlKind::StatusPanel:
        containers_[name] =
            std::make_unique<Container>(record.kind, parentWindow, bounds, text, element, theme);
        raiseOverEarlierSiblings(containers_[name]->hwnd());
        break;
      case ControlKind::Edit:
        edits_[name] = std::make_unique<Edit>(parentWindow, bounds, text, theme);
        raiseOverEarlierSiblings(edits_[name]->hwnd());
        break;
      case ControlKind::CheckBox: {
        auto box = std::make_unique<CheckBox>(parentWindow, bounds, text, record.checked, theme);
        // Attached after the initial state, so building the window runs no handler.
        box->setOnClick(handler);
        raiseOverEarlierSiblings(box->hwnd());
        checkBoxes_[name] = std::move(box);
        break;
      }
      case ControlKind::Image:
        // A picture that cannot be read is reported, and the window goes on without it.
        runReportingErrors(hwnd(), [&] { surface.add(makeImage(record, theme)); });
        break;
    }
  }
  bsSkinEdit4 = edits_.at(L"bsSkinEdit4").get();
  bsSkinEdit3 = edits_.at(L"bsSkinEdit3").get();
  layoutBoxes_ = {checkBoxes_.at(L"bsSkinCheckRadioBox7").get(), checkBoxes_.at(L"bsSkinCheckRadioBox8").get(),
                  checkBoxes_.at(L"bsSkinCheckRadioBox2").get(), checkBoxes_.at(L"bsSkinCheckRadioBox3").get()};
}

// --- Start-up and close -----------------------------------------------------

void TForm1::FormCreate() {
  if (anotherInstanceIsRunning()) {
    Timer5->disable();
    showDuplicateInstanceMessage();
    PostQuitMessage(0);
    turnedAway_ = true;
    return;
  }
  // A settings file that cannot be read throws from here, and the hotkey is then
  // not registered: the window works without Ctrl+F.
  if (auto text = loadSettingsFile(settingsPath_)) Memo1.load(std::move(*text));
  if (!registerLayoutHotkey(hwnd())) showSimpleMessage(hwnd(), L"热键已被占用");
}

void TForm1::FormClose() {
  showStoreInBoxes();
  saveSettings();
  releaseLayoutHotkey(hwnd());
}

void TForm1::bsSkinSpeedButton2Click() {
  releaseLayoutHotkey(hwnd());
  PostQuitMessage(0);
}

// --- Spacing settings -------------------------------------------------------

void TForm1::showStoreInBoxes() {
  bsSkinEdit4->setText(fromAnsi(Memo1.line(0)));
  bsSkinEdit3->setText(fromAnsi(Memo1.line(1)));
}

void TForm1::saveSettings() { writeSettingsFile(settingsPath_, Memo1.text()); }

void TForm1::Timer5Timer() {
  showStoreInBoxes();
  HSpacing = parseIntegerText(bsSkinEdit4->text());
  VSpacing = parseIntegerText(bsSkinEdit3->text());
}

void TForm1::onTimerTick() {
  try {
    Timer5Timer();
  } catch (const AppError& error) {
    // The refresh fails again every second while the store holds a bad value;
    // one report at a time is enough.
    if (refreshReportOpen_) return;
    refreshReportOpen_ = true;
    showErrorReport(hwnd(), error.message());
    refreshReportOpen_ = false;
  }
}

void TForm1::stepSpacing(Edit& box, int delta) {
  box.setText(stepIntegerText(box.text(), delta));
  Memo1.setLine(0, toAnsi(bsSkinEdit4->text()));
  Memo1.setLine(1, toAnsi(bsSkinEdit3->text()));
  saveSettings();
}

void TForm1::bsSkinSpeedButton7Click() { stepSpacing(*bsSkinEdit4, +1); }
void TForm1::bsSkinSpeedButton9Click() { stepSpacing(*bsSkinEdit4, -1); }
void TForm1::bsSkinSpeedButton6Click() { stepSpacing(*bsSkinEdit3, +1); }
void TForm1::bsSkinSpeedButton8Click() { stepSpacing(*bsSkinEdit3, -1); }

void TForm1::bsSkinSpeedButton4Click() {
  Memo1.setLine(0, "106");
  Memo1.setLine(1, "141");
  showStoreInBoxes();
  saveSettings();
}

// --- Layout choice ----------------------------------------------------------

CheckBox& TForm1::layoutBox(LayoutChoice choice) {
  for (std::size_t i = 0; i < kLayoutBoxOrder.size(); ++i) {
    if (kLayoutBoxOrder[i] == choice) return *layoutBoxes_[i];
  }
  return *layoutBoxes_.front();
}

void TForm1::applyLayoutExclusion(LayoutChoice clicked) {
  if (!layoutBox(clicked).checked()) return;
  for (LayoutChoice other : boxesToUncheck(clicked)) layoutBox(other).setChecked(false);
}

void TForm1::bsSkinCheckRadioBox7Click() { applyLayoutExclusion(LayoutChoice::OneInchNine); }
void TForm1::bsSkinCheckRadioBox8Click() { applyLayoutExclusion(LayoutChoice::TwoInchFour); }
void TForm1::bsSkinCheckRadioBox2Click() { applyLayoutExclusion(LayoutChoice::OneInchTwelve); }
void TForm1::bsSkinCheckRadioBox3Click() { applyLayoutExclusion(LayoutChoice::TwoInchSix); }

LayoutChoice TForm1::CurrentLayout() {
  std::array<bool, 4> checked{};
  for (std::size_t i = 0; i < layoutBoxes_.size(); ++i) checked[i] = layoutBoxes_[i]->checked();
  return ::CurrentLayout(checked);
}

// --- Ctrl+F -----------------------------------------------------------------

void TForm1::WMHotKey(LPARAM lParam) {
  if (!isLayoutHotkey(static_cast<std::uintptr_t>(lParam))) return;
  DWORD processId = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &processId);
  if (!isPhotoshopExeName(GetProcessExeName(processId))) {
    showSimpleMessage(hwnd(), L"请切换到Photoshop窗口在使用！");
    return;
  }
  const std::vector<MacroStep> macro = BuildLayoutMacro(CurrentLayout(), HSpacing, VSpacing);
  SendMacro(macro, SendKeyAction);
}

// --- Shop -------------------------------------------------------------------

void TForm1::bsSkinSpeedButton3Click() {
  // Whether a browser opens is the system's business; nothing is reported.
  ShellExecuteW(hwnd(), L"open", QUORLEN_SHOP_ADDRESS, nullptr, nullptr, SW_SHOW);
}

// --- Messages ---------------------------------------------------------------

LRESULT TForm1::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HOTKEY:
      WMHotKey(lParam);
      return 0;
    case WM_TIMER:
      if (wParam != kTimer5Id) return Form::onMessage(message, wParam, lParam);
      onTimerTick();
      return 0;
    case WM_CLOSE:
      // A failed save leaves the handler with an error report and keeps the
      // window open and the hotkey registered.
      FormClose();
      DestroyWindow(hwnd());
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_ENDSESSION:
      // The user is logging off: end at once, without the close handling.
      if (wParam) ExitProcess(0);
      return 0;
    default:
      return Form::onMessage(message, wParam, lParam);
  }
}
