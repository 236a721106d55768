#pragma once

#include <exception>
#include <string>
#include <utility>

// An error meant for the user: its text is shown as it stands by the error report.
class AppError : public std::exception {
 public:
  explicit AppError(std::wstring message) : message_(std::move(message)) {}
  const std::wstring& message() const noexcept { return message_; }
  const char* what() const noexcept override { return "AppError"; }

 private:
  std::wstring message_;
};
