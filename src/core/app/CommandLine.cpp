#include "app/CommandLine.h"

#include <filesystem>
#include <system_error>

#include "util/Text.h"

namespace mirn {
namespace {

bool IsTokenBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

std::wstring TrimBlanks(const std::wstring& s) {
  size_t begin = 0;
  size_t end = s.size();
  while (begin < end && IsTokenBlank(s[begin])) ++begin;
  while (end > begin && IsTokenBlank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

}  // namespace

CommandLine::CommandLine(std::wstring text, PathExists pathExists)
    : text_(std::move(text)), pathExists_(std::move(pathExists)) {
  if (!pathExists_) {
    pathExists_ = [](const std::wstring& token) {
      std::error_code ec;
      return std::filesystem::exists(std::filesystem::path(ToUtf8(token)), ec);
    };
  }
  std::wstring token;
  bool quoted = false;
  auto flush = [&] {
    std::wstring trimmed = TrimBlanks(token);
    if (!trimmed.empty()) tokens_.push_back(std::move(trimmed));
    token.clear();
  };
  for (wchar_t c : text_) {
    if (c == L'"') {
      quoted = !quoted;
    } else if (!quoted && IsTokenBlank(c)) {
      flush();
    } else {
      token += c;
    }
  }
  flush();
}

bool CommandLine::IsSwitch(const std::wstring& token) const {
  if (token.size() < 2 || (token[0] != L'/' && token[0] != L'-')) return false;
  // An absolute path that exists is a file to open, not a switch.
  return !(token[0] == L'/' && pathExists_ && pathExists_(token));
}

const std::wstring* CommandLine::Find(std::wstring_view name) const {
  if (name.empty()) return nullptr;
  const std::wstring wanted = ToUpper(std::wstring(name));
  for (const std::wstring& token : tokens_) {
    if (!IsSwitch(token)) continue;
    if (wanted.size() == 1) {
      if (ToUpper(token.substr(1, 1)) == wanted) return &token;
    } else {
      const size_t end = token.find_first_of(L":=");
      if (ToUpper(token.substr(1, end == std::wstring::npos ? std::wstring::npos : end - 1)) == wanted) {
        return &token;
      }
    }
  }
  return nullptr;
}

bool CommandLine::Has(std::wstring_view name) const { return Find(name) != nullptr; }

std::optional<std::wstring> CommandLine::Value(std::wstring_view name) const {
  const std::wstring* token = Find(name);
  if (!token) return std::nullopt;
  if (name.size() == 1) {
    if (token->size() >= 3 && ((*token)[2] == L':' || (*token)[2] == L'=')) return token->substr(3);
    return token->size() > 2 ? token->substr(2) : std::wstring();
  }
  const size_t sep = token->find_first_of(L":=");
  if (sep == std::wstring::npos) return std::nullopt;
  return token->substr(sep + 1);
}

std::optional<std::wstring> CommandLine::ValueOrNext(std::wstring_view name) const {
  std::optional<std::wstring> value = Value(name);
  if (!value || !value->empty()) return value;
  const std::wstring* token = Find(name);
  const auto at = static_cast<size_t>(token - tokens_.data());
  if (at + 1 < tokens_.size() && !IsSwitch(tokens_[at + 1])) return tokens_[at + 1];
  return value;
}

std::wstring CommandLine::PrintPath() const {
  if (tokens_.size() >= 3) return tokens_[2];
  for (const std::wstring& token : tokens_) {
    if (!IsSwitch(token)) return token;
  }
  return {};
}

}  // namespace mirn
