#pragma once

#include <string>

// A subcommand that cannot do what it was asked throws this; main prints the
// message and exits non-zero, so a scenario sees both why and that it failed.
struct Failure {
  explicit Failure(std::wstring text, int exitCode = 1) : message(std::move(text)), code(exitCode) {}
  std::wstring message;
  int code;
};
