#include "platform/OsRelease.h"

#include <map>

#include "platform/AtomicWrite.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::string Unquote(std::string_view value) {
  if (value.empty() || (value.front() != '"' && value.front() != '\'')) {
    const auto end = value.find_last_not_of(" \t\r");
    return std::string(end == std::string_view::npos ? std::string_view() : value.substr(0, end + 1));
  }
  const char quote = value.front();
  std::string out;
  for (std::size_t i = 1; i < value.size(); ++i) {
    const char c = value[i];
    if (c == quote) break;
    if (c == '\\' && quote == '"' && i + 1 < value.size()) {
      out.push_back(value[++i]);
      continue;
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace

std::wstring OsCaptionFromText(std::string_view osRelease) {
  std::map<std::string, std::string> values;
  std::size_t start = 0;
  while (start < osRelease.size()) {
    std::size_t end = osRelease.find('\n', start);
    if (end == std::string_view::npos) end = osRelease.size();
    std::string_view line = osRelease.substr(start, end - start);
    start = end + 1;
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;
    line.remove_prefix(first);
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    values[std::string(line.substr(0, equals))] = Unquote(line.substr(equals + 1));
  }
  if (auto it = values.find("PRETTY_NAME"); it != values.end() && !it->second.empty()) return FromUtf8(it->second);
  if (auto it = values.find("NAME"); it != values.end() && !it->second.empty()) {
    std::string caption = it->second;
    if (auto version = values.find("VERSION"); version != values.end() && !version->second.empty()) {
      caption += ' ' + version->second;
    }
    return FromUtf8(caption);
  }
  return L"Linux";
}

std::wstring OperatingSystemCaption() {
  for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
    std::string text;
    if (ReadWholeFile(path, text)) return OsCaptionFromText(text);
  }
  return L"Linux";
}

}  // namespace mirn
