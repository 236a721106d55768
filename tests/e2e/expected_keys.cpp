// expected_keys.exe: the key sequence a layout types, as the program's own macro
// code builds and expands it, in the stand-in's log format ("down 26", "up 26").
// The scenarios compare what the stand-in received with it, key by key.
//
//   expected_keys.exe OneInchNine|TwoInchFour|OneInchTwelve|TwoInchSix|NoLayout HSPACING VSPACING
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <io.h>

#include "automation/layout_macro.h"
#include "automation/send_macro.h"

namespace {

struct NamedChoice {
  const char* name;
  LayoutChoice choice;
};

constexpr NamedChoice kChoices[] = {
    {"OneInchNine", LayoutChoice::OneInchNine},     {"TwoInchFour", LayoutChoice::TwoInchFour},
    {"OneInchTwelve", LayoutChoice::OneInchTwelve}, {"TwoInchSix", LayoutChoice::TwoInchSix},
    {"NoLayout", LayoutChoice::NoLayout},
};

bool parseSpacing(const char* text, std::int32_t& value) {
  char* end = nullptr;
  const long long parsed = std::strtoll(text, &end, 10);
  if (*text == '\0' || *end != '\0' || parsed < INT32_MIN || parsed > INT32_MAX) return false;
  value = static_cast<std::int32_t>(parsed);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const NamedChoice* chosen = nullptr;
  for (const NamedChoice& named : kChoices) {
    if (argc == 4 && std::strcmp(argv[1], named.name) == 0) chosen = &named;
  }
  std::int32_t hSpacing = 0, vSpacing = 0;
  if (!chosen || !parseSpacing(argv[2], hSpacing) || !parseSpacing(argv[3], vSpacing)) {
    std::fprintf(stderr, "usage: expected_keys.exe CHOICE HSPACING VSPACING\n");
    return 2;
  }
  // Plain LF line ends, like the stand-in's log.
  _setmode(_fileno(stdout), _O_BINARY);
  SendMacro(BuildLayoutMacro(chosen->choice, hSpacing, vSpacing), [](KeyAction action) {
    std::printf("%s %02x\n", action.IsRelease ? "up" : "down", static_cast<unsigned>(action.VirtualKey));
  });
  return std::fflush(stdout) == 0 ? 0 : 1;
}
