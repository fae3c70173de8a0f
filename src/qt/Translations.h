#pragma once
// The program in the user's language: loads Mirn's translation and Qt's own for the locale's
// languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as QLocale reads them), answers the core's
// texts from them (util/Catalog.h) and, where a Qt application runs, its tr() calls too. The
// locale also groups the digits of the counts the core writes (util/CountText.h).

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <filesystem>
#include <memory>
#include <vector>

#include "util/Catalog.h"
#include "util/CountText.h"

namespace mirn {

class Profile;

class Translations : public Catalog, public DigitGrouping {
 public:
  // Loads the translations for `locale` from `folder` (mirn_<language>.qm) and from Qt's
  // translation folder (qtbase_<language>.qm). A language without a file stays English.
  Translations(const QLocale& locale, const std::filesystem::path& folder);
  ~Translations() override;
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // The folder of the program's translations: translations/ in the program folder.
  static std::filesystem::path ProgramFolder();
  // The language to load: the one chosen in Options (app/LanguageChoice.h), else the
  // locale's.
  static QLocale ChosenLocale(const Profile& profile);

  // Installs this as the core's catalog and digit grouping and, when a QCoreApplication exists, its
  // translators into it; both are removed again when this object goes.
  void Install();

  // True when Mirn's own translation for the locale was found.
  bool HasProgramTranslation() const { return hasProgram_; }

  std::string Translate(const char* context, const char* source, const char* disambiguation,
                        int count) const override;
  std::wstring GroupSeparator() const override { return groupSeparator_; }

 private:
  std::vector<std::unique_ptr<QTranslator>> translators_;  // Mirn's first, then Qt's
  std::wstring groupSeparator_;
  bool hasProgram_ = false;
  bool installed_ = false;
};

}  // namespace mirn
