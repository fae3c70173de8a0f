#pragma once
// The Tip of the Day: the tips file (one tip per line, "<br>" in any case for a line break)
// and the state of the tip window: which tip shows, moving to the next and previous one,
// and what the window remembers in the settings ("Last Tip", "Show Tip of the Day").

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirn {

class Profile;

// A line holds at most this many characters; the rest of a longer line is not shown.
inline constexpr std::size_t kMaxTipLength = 511;
// Only the start of a tips file is read, and only so many tips kept: a file of millions of
// empty lines or one huge line costs no more than a large real one.
inline constexpr std::size_t kMaxTipsFileBytes = 4u << 20;
inline constexpr std::size_t kMaxTips = 10000;

class TipsFile {
 public:
  // The tips of the file at `path`; none when it cannot be read or holds no line.
  static std::optional<TipsFile> Load(const std::filesystem::path& path);
  // The tips of a file's bytes (UTF-8, or Windows-1252 when they are not valid UTF-8): the
  // first kMaxTips lines.
  static TipsFile FromBytes(std::string_view bytes);

  std::size_t Count() const { return lines_.size(); }
  // Tip `index` with every "<br>" turned into a line break; empty beyond the last tip.
  std::wstring Tip(std::size_t index) const;

 private:
  std::vector<std::wstring> lines_;
};

class TipOfTheDay {
 public:
  // Starts at the tip after "Last Tip" (default −1), wrapping to the first.
  TipOfTheDay(TipsFile tips, const Profile& profile);

  std::size_t Current() const { return current_; }
  std::size_t Count() const { return tips_.Count(); }
  std::wstring Text() const { return tips_.Tip(current_); }
  void Next();
  void Previous();

  // Whether start-up shows a tip; the check boxes of this window and of Options show it. The
  // one place that reads the setting and knows its default.
  static bool ShowAtStartup(const Profile& profile);
  static bool SetShowAtStartup(Profile& profile, bool show);
  // The window closes: "Last Tip" remembers the tip shown; with OK also whether to show
  // tips at start-up.
  void Close(Profile& profile, std::optional<bool> showAtStartup) const;

 private:
  TipsFile tips_;
  std::size_t current_ = 0;
};

// The tips file to use: "File Locations"/"Tips" (default: the tips of the user's language in
// `programFolder`, else tips.tip; see TranslatedFile) when it names an existing file that is
// not a folder; else empty (no Tip of the Day).
std::filesystem::path TipsPath(const Profile& profile, const std::filesystem::path& programFolder);

// The check box's text.
inline constexpr int kShowTipsString = 5152;  // "&Show the Tip of the Day each time you start Mirn"

}  // namespace mirn
