#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

// A subcommand's arguments: "--name value" options and plain positional words.
// Flags that take no value are listed by the caller, so "--double" is not read as
// "--double <next word>".
class Args {
 public:
  Args(std::vector<std::wstring> words, const std::vector<std::wstring>& flags);

  bool has(const std::wstring& name) const;
  std::wstring text(const std::wstring& name) const;  // "" when absent
  long long number(const std::wstring& name, long long fallback) const;
  HWND hwnd() const;  // --hwnd, required
  DWORD timeoutMs() const;  // --timeout in milliseconds, 10 s when absent

  const std::vector<std::wstring>& positional() const { return positional_; }
  std::wstring at(size_t index) const;  // a required positional word
  long long numberAt(size_t index) const;

 private:
  std::map<std::wstring, std::wstring> options_;
  std::vector<std::wstring> positional_;
};

// Numbers are accepted in C notation: 0x for hexadecimal, a leading minus for negatives.
long long parseNumber(const std::wstring& word);
