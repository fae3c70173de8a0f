#include "qt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "app/LanguageChoice.h"
#include "platform/KnownFolders.h"
#include "qt/QtText.h"

namespace mirn {

Translations::Translations(const QLocale& locale, const std::filesystem::path& folder) {
  // The C locale ("LANG=C", the one of many servers and scheduled jobs) writes its numbers
  // without groups. Qt's system locale under it is named "C" but still offers ",".
  const bool plain = locale.language() == QLocale::C || locale.numberOptions().testFlag(QLocale::OmitGroupSeparator);
  if (!plain) groupSeparator_ = FromQString(locale.groupSeparator());
  auto program = std::make_unique<QTranslator>();
  if (program->load(locale, QStringLiteral("mirn"), QStringLiteral("_"), PathToQString(folder))) {
    hasProgram_ = true;
    translators_.push_back(std::move(program));
  }
  // Qt's own dialogs and buttons (file dialogs, "OK", "Cancel") in the same language.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    translators_.push_back(std::move(qt));
  }
}

Translations::~Translations() {
  if (!installed_) return;
  if (InstalledCatalog() == this) InstallCatalog(nullptr);
  if (InstalledDigitGrouping() == this) InstallDigitGrouping(nullptr);
  if (QCoreApplication::instance()) {
    for (const auto& t : translators_) QCoreApplication::removeTranslator(t.get());
  }
}

std::filesystem::path Translations::ProgramFolder() {
  return XdgKnownFolders().Get(KnownFolder::Program) / "translations";
}

QLocale Translations::ChosenLocale(const Profile& profile) {
  const std::wstring code = ChosenLanguage(profile);
  return code.empty() ? QLocale::system() : QLocale(ToQString(code));
}

void Translations::Install() {
  installed_ = true;
  InstallCatalog(this);
  InstallDigitGrouping(this);
  if (!QCoreApplication::instance()) return;
  // The translator installed last is asked first: Qt's own goes in before Mirn's.
  for (auto it = translators_.rbegin(); it != translators_.rend(); ++it) {
    QCoreApplication::installTranslator(it->get());
  }
}

std::string Translations::Translate(const char* context, const char* source, const char* disambiguation,
                                    int count) const {
  for (const auto& t : translators_) {
    const QString text = t->translate(context, source, disambiguation, count);
    if (!text.isEmpty()) return text.toStdString();
  }
  return {};
}

}  // namespace mirn
