#include "print/PaperChoice.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/AtomicWrite.h"
#include "platform/PrinterSystem.h"

namespace mirn {
namespace {

std::string Lower(std::string_view text) {
  std::string s(text);
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Territories whose paper is US Letter (the C library's LC_PAPER tables agree).
constexpr std::array<std::string_view, 16> kLetterTerritories = {
    "US", "CA", "MX", "PR", "PH", "CL", "CO", "VE", "CR", "GT", "NI", "PA", "SV", "DO", "BZ", "BO"};

}  // namespace

PaperSources SystemPaperSources() {
  PaperSources sources;
  if (const char* size = std::getenv("PAPERSIZE")) sources.papersizeVariable = size;
  std::string file;
  if (ReadWholeFile("/etc/papersize", file)) sources.papersizeFile = std::move(file);
  sources.localeAll = Variable("LC_ALL");
  sources.localePaper = Variable("LC_PAPER");
  sources.lang = Variable("LANG");
  return sources;
}

std::optional<std::int16_t> PaperFromName(std::string_view name) {
  const std::string word = Lower(TrimSpaces(name));
  if (word == "a4") return kPaperA4;
  if (word == "letter") return kPaperLetter;
  return std::nullopt;
}

std::optional<std::int16_t> PaperFromPapersizeFile(std::string_view content) {
  while (!content.empty()) {
    const size_t end = std::min(content.find('\n'), content.size());
    const std::string_view line = TrimSpaces(content.substr(0, end));
    content.remove_prefix(std::min(end + 1, content.size()));
    if (line.empty() || line.front() == '#') continue;
    return PaperFromName(line.substr(0, line.find_first_of(" \t")));
  }
  return std::nullopt;
}

std::optional<std::int16_t> PaperFromLocale(std::string_view locale) {
  // language[_TERRITORY][.codeset][@modifier]
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  const size_t underscore = name.find('_');
  if (underscore == std::string_view::npos) return std::nullopt;  // "C", "POSIX", "en"
  const std::string_view territory = name.substr(underscore + 1);
  if (territory.empty()) return std::nullopt;
  const bool letter = std::find(kLetterTerritories.begin(), kLetterTerritories.end(), territory) !=
                      kLetterTerritories.end();
  return letter ? kPaperLetter : kPaperA4;
}

std::int16_t PreferredPaper(const PaperSources& sources) {
  if (sources.papersizeVariable) {
    if (const auto paper = PaperFromName(*sources.papersizeVariable)) return *paper;
  }
  if (sources.papersizeFile) {
    if (const auto paper = PaperFromPapersizeFile(*sources.papersizeFile)) return *paper;
  }
  // The locale's paper category: LC_ALL overrides LC_PAPER, which overrides LANG.
  const std::string& locale = !sources.localeAll.empty()     ? sources.localeAll
                              : !sources.localePaper.empty() ? sources.localePaper
                                                             : sources.lang;
  if (const auto paper = PaperFromLocale(locale)) return *paper;
  return kPaperLetter;
}

}  // namespace mirn
