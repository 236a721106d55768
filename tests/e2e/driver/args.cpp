#include "args.h"

#include <algorithm>

#include "failure.h"

Args::Args(std::vector<std::wstring> words, const std::vector<std::wstring>& flags) {
  for (size_t i = 0; i < words.size(); ++i) {
    const std::wstring& word = words[i];
    if (word.size() > 2 && word.starts_with(L"--")) {
      std::wstring name = word.substr(2);
      bool isFlag = std::find(flags.begin(), flags.end(), name) != flags.end();
      if (isFlag) {
        options_[name] = L"";
      } else {
        if (i + 1 >= words.size()) throw Failure(L"option --" + name + L" needs a value");
        options_[name] = words[++i];
      }
    } else {
      positional_.push_back(word);
    }
  }
}

bool Args::has(const std::wstring& name) const { return options_.contains(name); }

std::wstring Args::text(const std::wstring& name) const {
  auto it = options_.find(name);
  return it == options_.end() ? L"" : it->second;
}

long long Args::number(const std::wstring& name, long long fallback) const {
  auto it = options_.find(name);
  return it == options_.end() ? fallback : parseNumber(it->second);
}

HWND Args::hwnd() const {
  if (!has(L"hwnd")) throw Failure(L"--hwnd is required");
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(number(L"hwnd", 0)));
}

DWORD Args::timeoutMs() const { return static_cast<DWORD>(number(L"timeout", 10000)); }

std::wstring Args::at(size_t index) const {
  if (index >= positional_.size()) throw Failure(L"missing argument " + std::to_wstring(index + 1));
  return positional_[index];
}

long long Args::numberAt(size_t index) const { return parseNumber(at(index)); }

long long parseNumber(const std::wstring& word) {
  size_t used = 0;
  long long value = 0;
  try {
    value = std::stoll(word, &used, 0);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != word.size()) throw Failure(L"not a number: " + word);
  return value;
}
