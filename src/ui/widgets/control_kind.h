#pragma once

// The kinds of control the window's stored layout is made of.
enum class ControlKind { Image, SpeedButton, StatusBar, StatusPanel, GroupBox, Panel, Label, Edit, CheckBox };
