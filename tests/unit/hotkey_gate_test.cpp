#include "automation/hotkey_gate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace {

TEST(HotkeyGate, AcceptsOnlyControlWithTheFKey) {
  struct Case {
    std::uint64_t lParam;  // key word high, modifier word low
    bool accepted;
  };
  const Case cases[] = {
      {0x0046'0002, true},
      {0x0046'0000, false},  // F alone
      {0x0046'0003, false},  // Ctrl+Alt
      {0x0046'0006, false},  // Ctrl+Shift
      {0x0046'000A, false},  // Ctrl+Win
      {0x0046'4002, false},  // Ctrl with the no-repeat bit
      {0x0046'0004, false},  // Shift
      {0x0047'0002, false},  // Ctrl+G
      {0x0066'0002, false},  // key code of a lower-case f is another key
      {0x0146'0002, false},  // the whole high word counts
      {0x0002'0046, false},  // words swapped
      {0x0000'0002, false},
      {0x0000'0000, false},
      // Only the two 16-bit words carry the hotkey; anything above them is not ours.
      {0xFFFF'FFFF'0046'0002, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.lParam);
    EXPECT_EQ(isLayoutHotkey(static_cast<std::uintptr_t>(c.lParam)), c.accepted);
  }
}

TEST(HotkeyGate, RecognisesPhotoshopByItsExactFileName) {
  struct Case {
    std::wstring_view exeName;
    bool accepted;
  };
  const Case cases[] = {
      {L"Photoshop.exe", true},
      {L"photoshop.exe", false},
      {L"PHOTOSHOP.EXE", false},
      {L"Photoshop.EXE", false},
      {L"Photoshop.exe ", false},
      {L" Photoshop.exe", false},
      {L"Photoshop.ex", false},
      {L"Photoshop", false},
      {L"", false},
      {L"C:\\Program Files\\Adobe\\Photoshop.exe", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << std::wstring(c.exeName) << '"');
    EXPECT_EQ(isPhotoshopExeName(c.exeName), c.accepted);
  }
}

}  // namespace
