#include "platform/FileFilter.h"

namespace mirn {
namespace {

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  std::wstring part;
  for (wchar_t c : text) {
    if (c == separator) {
      parts.push_back(std::move(part));
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  parts.push_back(std::move(part));
  return parts;
}

std::wstring Trim(const std::wstring& text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return std::wstring();
  const auto last = text.find_last_not_of(L" \t");
  return text.substr(first, last - first + 1);
}

// The name without a trailing "(...)" pattern list, so that the patterns shown are the
// ones that apply rather than the Windows spelling in the name.
std::wstring NameWithoutPatterns(const std::wstring& name) {
  std::wstring trimmed = Trim(name);
  if (!trimmed.empty() && trimmed.back() == L')') {
    const auto open = trimmed.rfind(L'(');
    if (open != std::wstring::npos) trimmed = Trim(trimmed.substr(0, open));
  }
  return trimmed;
}

}  // namespace

std::vector<FileFilterEntry> ParseFileFilter(const std::wstring& filter) {
  std::vector<FileFilterEntry> entries;
  const auto parts = Split(filter, L'|');
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty() && parts[i + 1].empty()) break;  // the closing "||"
    FileFilterEntry entry{parts[i], {}};
    for (const auto& raw : Split(parts[i + 1], L';')) {
      std::wstring pattern = Trim(raw);
      if (pattern.empty()) continue;
      if (pattern == L"*.*") pattern = L"*";
      entry.patterns.push_back(std::move(pattern));
    }
    if (!entry.patterns.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<std::wstring> DialogNameFilters(const std::wstring& filter) {
  std::vector<std::wstring> filters;
  for (const auto& entry : ParseFileFilter(filter)) {
    std::wstring text = NameWithoutPatterns(entry.name);
    if (!text.empty()) text += L' ';
    text += L'(';
    for (std::size_t i = 0; i < entry.patterns.size(); ++i) {
      if (i > 0) text += L' ';
      text += entry.patterns[i];
    }
    text += L')';
    filters.push_back(std::move(text));
  }
  return filters;
}

std::filesystem::path WithDefaultExtension(const std::filesystem::path& path, const std::wstring& extension) {
  if (extension.empty() || path.empty() || !path.has_filename()) return path;
  if (path.filename().has_extension()) return path;
  std::filesystem::path result = path;
  result += L"." + extension;
  return result;
}

}  // namespace mirn
