#include "app/TipOfTheDay.h"

#include "app/TranslatedFile.h"
#include "platform/AtomicWrite.h"
#include "platform/Profile.h"
#include "util/Catalog.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr std::wstring_view kPreferences = L"Preferences";
constexpr std::wstring_view kLastTip = L"Last Tip";
constexpr std::wstring_view kShowTips = L"Show Tip of the Day";

std::wstring Decode(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::wstring text = FromUtf8(bytes);
  // U+FFFD that the bytes do not spell out means they were not UTF-8.
  if (text.find(L'\uFFFD') != std::wstring::npos && bytes.find("\xEF\xBF\xBD") == std::string_view::npos) {
    return FromCp1252(bytes);
  }
  return text;
}

std::wstring ReplaceBreaks(std::wstring line) {
  static constexpr std::wstring_view kBreak = L"<br>";
  std::wstring out;
  for (std::size_t i = 0; i < line.size();) {
    if (i + kBreak.size() <= line.size() && EqualsNoCase(std::wstring_view(line).substr(i, kBreak.size()), kBreak)) {
      out.push_back(L'\n');
      i += kBreak.size();
    } else {
      out.push_back(line[i++]);
    }
  }
  return out;
}

}  // namespace

std::filesystem::path TipsPath(const Profile& profile, const std::filesystem::path& programFolder) {
  std::error_code error;
  const std::filesystem::path shipped = TranslatedFile(programFolder, Tr("TipOfTheDay", "tips.tip"), L"tips.tip");
  const std::filesystem::path path = ToPath(profile.GetString(L"File Locations", L"Tips", FromPath(shipped)));
  return std::filesystem::is_regular_file(path, error) ? path : std::filesystem::path();
}

std::optional<TipsFile> TipsFile::Load(const std::filesystem::path& path) {
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::string bytes;
  if (!ReadFileStart(path, bytes, kMaxTipsFileBytes)) return std::nullopt;
  if (bytes.size() == kMaxTipsFileBytes) {
    // Cut short: a character cut in two would make the whole start read as not UTF-8.
    size_t keep = bytes.size();
    while (keep > 0 && bytes.size() - keep < 3 && (static_cast<unsigned char>(bytes[keep - 1]) & 0xC0) == 0x80) --keep;
    if (keep > 0 && (static_cast<unsigned char>(bytes[keep - 1]) & 0xC0) == 0xC0) --keep;
    bytes.resize(keep);
  }
  TipsFile tips = FromBytes(bytes);
  if (tips.Count() == 0) return std::nullopt;
  return tips;
}

TipsFile TipsFile::FromBytes(std::string_view bytes) {
  TipsFile tips;
  const std::wstring text = Decode(bytes);
  std::size_t start = 0;
  while (start < text.size() && tips.lines_.size() < kMaxTips) {
    std::size_t end = text.find(L'\n', start);
    const bool last = end == std::wstring::npos;
    if (last) end = text.size();
    std::size_t length = end - start;
    if (length > 0 && text[end - 1] == L'\r') --length;
    std::wstring line = text.substr(start, std::min(length, kMaxTipLength));
    tips.lines_.push_back(std::move(line));
    start = end + 1;
  }
  return tips;
}

std::wstring TipsFile::Tip(std::size_t index) const {
  return index < lines_.size() ? ReplaceBreaks(lines_[index]) : std::wstring();
}

TipOfTheDay::TipOfTheDay(TipsFile tips, const Profile& profile) : tips_(std::move(tips)) {
  const long long count = static_cast<long long>(tips_.Count());
  if (count == 0) return;
  const long long next = static_cast<long long>(profile.GetInt(kPreferences, kLastTip, -1)) + 1;
  current_ = static_cast<std::size_t>(((next % count) + count) % count);
}

void TipOfTheDay::Next() {
  if (Count() > 0) current_ = (current_ + 1) % Count();
}

void TipOfTheDay::Previous() {
  if (Count() > 0) current_ = current_ == 0 ? Count() - 1 : current_ - 1;
}

// Off until someone ticks it: what start-up does on a fresh settings file is what the Options
// dialog and the tip window show.
bool TipOfTheDay::ShowAtStartup(const Profile& profile) { return profile.GetInt(kPreferences, kShowTips, 0) != 0; }

bool TipOfTheDay::SetShowAtStartup(Profile& profile, bool show) {
  return profile.WriteInt(kPreferences, kShowTips, show ? 1 : 0);
}

void TipOfTheDay::Close(Profile& profile, std::optional<bool> showAtStartup) const {
  profile.WriteInt(kPreferences, kLastTip, static_cast<int>(current_));
  if (showAtStartup) SetShowAtStartup(profile, *showAtStartup);
}

}  // namespace mirn
