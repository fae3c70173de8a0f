#include "app/RecentFiles.h"

#include <algorithm>
#include <system_error>

#include "platform/Profile.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr wchar_t kSection[] = L"Recent Files";

std::wstring KeyName(std::size_t index) { return L"file" + std::to_wstring(index + 1); }

}  // namespace

std::filesystem::path NormalizedAbsolute(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  if (ec) absolute = path;
  return absolute.lexically_normal();
}

void RecentFiles::Load(const Profile& profile) {
  entries_.clear();
  for (std::size_t i = 0; i < kMaxEntries; ++i) {
    const std::wstring value = profile.GetString(kSection, KeyName(i), L"");
    if (!value.empty()) entries_.emplace_back(ToUtf8(value));
  }
}

void RecentFiles::Save(Profile& profile) const {
  for (std::size_t i = 0; i < kMaxEntries; ++i) {
    const std::wstring value = i < entries_.size() ? FromUtf8(entries_[i].string()) : std::wstring();
    if (value.empty() && !profile.Has(kSection, KeyName(i))) continue;
    profile.WriteString(kSection, KeyName(i), value);
  }
}

void RecentFiles::Add(const std::filesystem::path& path) {
  const std::filesystem::path absolute = NormalizedAbsolute(path);
  Remove(absolute);
  entries_.insert(entries_.begin(), absolute);
  if (entries_.size() > kMaxEntries) entries_.resize(kMaxEntries);
}

void RecentFiles::Remove(const std::filesystem::path& path) {
  const std::filesystem::path absolute = NormalizedAbsolute(path);
  std::erase_if(entries_, [&](const std::filesystem::path& entry) {
    return NormalizedAbsolute(entry) == absolute;
  });
}

void RecentFiles::RemoveAt(std::size_t index) {
  if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::wstring RecentFiles::MenuText(std::size_t index) const {
  if (index >= entries_.size()) return {};
  std::wstring name = AbbreviatePath(entries_[index], kMenuTextLength);
  // A "&" in a file name would otherwise underline the next letter.
  std::wstring escaped;
  for (wchar_t c : name) {
    if (c == L'&') escaped += L'&';
    escaped += c;
  }
  return L"&" + std::to_wstring(index + 1) + L" " + escaped;
}

std::wstring AbbreviatePath(const std::filesystem::path& path, std::size_t maxLength) {
  const std::wstring full = FromUtf8(path.string());
  if (full.size() <= maxLength) return full;
  const std::wstring name = FromUtf8(path.filename().string());
  const std::wstring root = FromUtf8(path.root_path().string());
  std::vector<std::wstring> folders;
  for (const auto& part : path.relative_path().parent_path()) folders.push_back(FromUtf8(part.string()));
  // Take trailing folders while root + ".../" + folders + name still fits.
  std::wstring tail = name;
  std::wstring best;
  if (root.size() + 4 + name.size() <= maxLength) best = root + L".../" + name;
  for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
    tail = *it + L"/" + tail;
    const std::wstring candidate = root + L".../" + tail;
    if (candidate.size() > maxLength) break;
    best = candidate;
  }
  return best.empty() ? name : best;
}

}  // namespace mirn
