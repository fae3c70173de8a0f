#pragma once
// The paper a PDF is written on when nobody names one: the paper the user's system prefers,
// A4 or US Letter. Looked for, in this order, in the PAPERSIZE variable, the system's
// /etc/papersize, and the territory of the locale's paper category (LC_ALL, LC_PAPER, LANG);
// US Letter when none of them says.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mirn {

// What the choice is made from; each empty when unset or unreadable.
struct PaperSources {
  std::optional<std::string> papersizeVariable;  // $PAPERSIZE
  std::optional<std::string> papersizeFile;      // the content of /etc/papersize
  std::string localeAll;                         // $LC_ALL
  std::string localePaper;                       // $LC_PAPER
  std::string lang;                              // $LANG
};

// Reads the environment and /etc/papersize.
PaperSources SystemPaperSources();

// kPaperA4 or kPaperLetter for "a4" or "letter" in any case; empty for any other word.
std::optional<std::int16_t> PaperFromName(std::string_view name);
// The first word of a papersize file, skipping blank lines and lines starting with '#'.
std::optional<std::int16_t> PaperFromPapersizeFile(std::string_view content);
// US Letter in the territories that use it (en_US, fr_CA, es_MX, …), A4 in every other
// territory; empty for locales without one ("C", "POSIX", "C.UTF-8", "").
std::optional<std::int16_t> PaperFromLocale(std::string_view locale);

std::int16_t PreferredPaper(const PaperSources& sources);

}  // namespace mirn
