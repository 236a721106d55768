#include "ui/main_form_layout.h"

#include "build_config.h"
#include "ui/main_form.h"

namespace {

using enum ControlKind;

constexpr wchar_t kAdvertCaption[] = L"订做自动化功能软件，模拟操作工具等，联系方式：微信扫码或淘宝店咨询";
constexpr wchar_t kUsageCaption[] = L"使用方法：复制好照片后在新建的模板内按Ctrl+F";
constexpr wchar_t kStatusText[] =
    L"淘宝店：" QUORLEN_SHOP_ADDRESS L"  纯天然化妆品，全场包邮！赠送神秘礼品~";

const ControlRecord kLayout[] = {
    {Image, L"Image1", L"", -8, -56, 1920, 1200, L"", L"", nullptr, false, L"BACKGROUND"},
    {SpeedButton, L"bsSkinSpeedButton2", L"", 369, 163, 51, 26, L"退出", L"toolbutton", &TForm1::bsSkinSpeedButton2Click},
    {SpeedButton, L"bsSkinSpeedButton3", L"", 291, 163, 73, 26, L"进入淘宝店", L"toolbutton", &TForm1::bsSkinSpeedButton3Click},
    {StatusBar, L"bsSkinStatusBar1", L"", 0, 195, 422, 21, L"", L"statusbar"},
    {GroupBox, L"bsSkinGroupBox2", L"", 4, 3, 416, 22, kAdvertCaption, L"groupbox"},
    {GroupBox, L"bsSkinGroupBox5", L"", 4, 29, 282, 160, kUsageCaption, L"groupbox"},
    {Panel, L"bsSkinPanel1", L"", 314, 35, 82, 82, L"", L"panel"},
    {Panel, L"bsSkinPanel2", L"", 300, 126, 110, 29, L"", L"panel"},
    {StatusPanel, L"bsSkinStatusPanel1", L"bsSkinStatusBar1", 0, 0, 422, 21, kStatusText, L"statuspanel"},
    {Image, L"Image2", L"bsSkinPanel1", -2, -2, 85, 85, L"", L"", nullptr, false, L"CODE"},
    {Image, L"Image3", L"bsSkinPanel2", -2, 0, 113, 30, L"", L"", nullptr, false, L"BANNER"},
    {Label, L"Label1", L"bsSkinGroupBox5", 19, 133, 106, 16, L"恢复默认设置", L""},
    {Label, L"Label2", L"bsSkinGroupBox5", 17, 66, 107, 16, L"左右间距调整", L""},
    {Label, L"Label3", L"bsSkinGroupBox5", 18, 99, 119, 13, L"上下间距调整", L""},
    {SpeedButton, L"bsSkinSpeedButton4", L"bsSkinGroupBox5", 105, 124, 81, 29, L"恢复默认间距", L"toolbutton", &TForm1::bsSkinSpeedButton4Click},
    {Label, L"Label4", L"bsSkinGroupBox5", 16, 33, 89, 16, L"左右间距", L""},
    {Label, L"Label5", L"bsSkinGroupBox5", 153, 33, 89, 16, L"上下间距", L""},
    {SpeedButton, L"bsSkinSpeedButton6", L"bsSkinGroupBox5", 105, 91, 33, 29, L"+", L"toolbutton", &TForm1::bsSkinSpeedButton6Click},
    {SpeedButton, L"bsSkinSpeedButton7", L"bsSkinGroupBox5", 105, 59, 33, 29, L"+", L"toolbutton", &TForm1::bsSkinSpeedButton7Click},
    {SpeedButton, L"bsSkinSpeedButton8", L"bsSkinGroupBox5", 153, 91, 33, 29, L"-", L"toolbutton", &TForm1::bsSkinSpeedButton8Click},
    {SpeedButton, L"bsSkinSpeedButton9", L"bsSkinGroupBox5", 153, 59, 33, 29, L"-", L"toolbutton", &TForm1::bsSkinSpeedButton9Click},
    {Edit, L"bsSkinEdit4", L"bsSkinGroupBox5", 87, 29, 51, 18, L"106", L"edit"},
    {Edit, L"bsSkinEdit3", L"bsSkinGroupBox5", 214, 30, 51, 18, L"141", L"edit"},
    {CheckBox, L"bsSkinCheckRadioBox7", L"bsSkinGroupBox5", 206, 57, 150, 25, L"1寸9张", L"checkbox", &TForm1::bsSkinCheckRadioBox7Click, true},
    {CheckBox, L"bsSkinCheckRadioBox8", L"bsSkinGroupBox5", 206, 108, 150, 25, L"2寸4张", L"checkbox", &TForm1::bsSkinCheckRadioBox8Click},
    {CheckBox, L"bsSkinCheckRadioBox2", L"bsSkinGroupBox5", 206, 83, 150, 25, L"1寸12张", L"checkbox", &TForm1::bsSkinCheckRadioBox2Click},
    {CheckBox, L"bsSkinCheckRadioBox3", L"bsSkinGroupBox5", 206, 131, 150, 25, L"2寸6张", L"checkbox", &TForm1::bsSkinCheckRadioBox3Click},
};

}  // namespace

std::span<const ControlRecord> mainFormLayout() { return kLayout; }
