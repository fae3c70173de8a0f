// The translations the build compiles, loaded as the programs load them: the core's texts and
// the window's come from one file per language, plural forms follow the language's rules,
// and a language without a file stays English.

#include "qt/Translations.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "app/AboutInfo.h"
#include "app/TipOfTheDay.h"
#include "app/TranslatedFile.h"
#include "exchange/ColumnMapping.h"
#include "exchange/MRBExporterCommands.h"
#include "exchange/TableImporter.h"
#include "extensions/AddExtensionsModel.h"
#include "extensions/ExtensionIdList.h"
#include "extensions/ExtensionListModel.h"
#include "feedback/SupportRequest.h"
#include "platform/MemoryProfile.h"
#include "print/PdfTarget.h"
#include "store/OpenDatabase.h"
#include "support/ListLayouts.h"
#include "support/TestSupport.h"
#include "util/Catalog.h"
#include "util/CountText.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

TEST(Translations, GermanAndFrenchAnswerTheCoreAndTheWindow) {
  {
    Translations german(QLocale(QLocale::German, QLocale::Germany), Translations::ProgramFolder());
    ASSERT_TRUE(german.HasProgramTranslation()) << Translations::ProgramFolder().string();
    german.Install();
    EXPECT_EQ(LoadString(kStrUntitled), L"Unbenannt");
    EXPECT_EQ(QCoreApplication::translate("MainActions", "&Print..."), "&Drucken...");
    // Qt's own buttons come along.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    EXPECT_EQ(TrN("StatusText", "%n extensions in database", "%n extension in database", 1),
              L"1 Nebenstelle in der Datenbank");
    EXPECT_EQ(TrN("StatusText", "%n extensions in database", "%n extension in database", 0),
              L"0 Nebenstellen in der Datenbank");
  }
  EXPECT_EQ(InstalledCatalog(), nullptr) << "the catalog goes with its translations";
  EXPECT_EQ(LoadString(kStrUntitled), L"Untitled");
  EXPECT_EQ(QCoreApplication::translate("MainActions", "&Print..."), "&Print...");

  Translations french(QLocale(QLocale::French, QLocale::France), Translations::ProgramFolder());
  ASSERT_TRUE(french.HasProgramTranslation());
  french.Install();
  // French counts 0 with 1.
  EXPECT_EQ(TrN("StatusText", "%n extensions in database", "%n extension in database", 0),
            L"0 poste dans la base de donn\u00e9es");
  EXPECT_EQ(TrN("StatusText", "%n extensions in database", "%n extension in database", 2),
            L"2 postes dans la base de donn\u00e9es");
  EXPECT_EQ(FormatString(LoadString(kStrSaveChanges), {L"office.mrb"}), L"Enregistrer les modifications de office.mrb ?");
}

// The core's messages (imports, exports, the PDF target, support requests) come in the
// language; what is data beside them (the mapping words stored in the settings, the PDF
// target's name) does not.
TEST(Translations, TheCoresMessagesFollowTheLanguageAndItsDataDoesNot) {
  {
    Translations german(QLocale(QLocale::German, QLocale::Germany), Translations::ProgramFolder());
    german.Install();
    ExchangeOutcome outcome;
    outcome.count = 3;
    outcome.replaced = 1;
    outcome.kept = 1;
    EXPECT_EQ(ImportCountsText(outcome), L"2 hinzugef\u00fcgt, 1 ersetzt, 1 beibehalten");
    EXPECT_EQ(ProblemText({4, 2, L"Name", L"x"}), L"Zeile 4, Spalte 2 (Name): x");
    EXPECT_EQ(NothingImportedText(1, CsvSeparatorHint::kNone), L"Es wurde nichts importiert: 1 Zeile wurde \u00fcbersprungen.");
    EXPECT_EQ(PdfTargetInfo().driver, L"Mirn-PDF-Schreiber");
    EXPECT_EQ(PdfTargetInfo().name, L"PDF");
    EXPECT_EQ(CheckSupportFields({}).text, L"Bitte geben Sie Ihren Namen ein.");
    EXPECT_EQ(TargetName({ColumnRole::kFirstName, 0}), L"first name");
    // The About box says the build's width in the language; the support request's data does not.
    EXPECT_EQ(VersionLine(L"3.5.1", L""), L"Druckmodul 3.5 (64-Bit)");
    EXPECT_EQ(MakeProgramLines(L"Debian").programType, L"64-bit");
  }
  Translations french(QLocale(QLocale::French, QLocale::France), Translations::ProgramFolder());
  french.Install();
  EXPECT_EQ(NothingImportedText(2, CsvSeparatorHint::kNone),
            L"Rien n'a \u00e9t\u00e9 import\u00e9\u00a0: 2 lignes ont \u00e9t\u00e9 ignor\u00e9es.");
  EXPECT_EQ(ShownSystemType(), L"64 bits");
}

// The files a language has of its own, as the build puts them in the program folder: the
// translation files name the German and French user guide and tips, and English keeps its own.
TEST(Translations, TheUserGuideAndTheTipsComeInTheLanguage) {
  const std::filesystem::path program = Translations::ProgramFolder().parent_path();
  ASSERT_TRUE(std::filesystem::is_regular_file(program / "user-guide.html")) << program.string();
  const MemoryProfile profile;
  for (const auto& [language, suffix] : {std::pair{QLocale::German, "de"}, std::pair{QLocale::French, "fr"}}) {
    Translations translations{QLocale(language), Translations::ProgramFolder()};
    translations.Install();
    EXPECT_EQ(UserGuideFile(program), program / ("user-guide." + std::string(suffix) + ".html"));
    EXPECT_EQ(TipsPath(profile, program), program / ("tips." + std::string(suffix) + ".tip"));
  }
  EXPECT_EQ(UserGuideFile(program), program / "user-guide.html");
  EXPECT_EQ(TipsPath(profile, program), program / "tips.tip");
}

// The status bar's selection text is one text in each language: the words in the language's
// order around the two numbers, the noun in the language's plural form for the count.
TEST(Translations, TheSelectionStatusTextInEachLanguage) {
  test::TempDir dir;
  test::ListLibrary layouts(dir.Path());
  int code = 0;
  const std::unique_ptr<MRBBase> db = OpenDatabase({}, code, {nullptr, dir.Path()});
  ASSERT_NE(db, nullptr);
  for (const wchar_t* id : {L"1", L"2", L"3"}) ASSERT_EQ(db->AddExtension(id, L"HX40", L""), db::kOk);
  ExtensionListModel list(*layouts.library);
  list.SetDatabase(db.get());
  list.Rebuild();
  struct Language {
    QLocale locale;
    std::wstring none, one, all;
  };
  const Language languages[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), L"0 extensions selected (3 total)",
       L"1 extension selected (3 total)", L"3 extensions selected (3 total)"},
      {QLocale(QLocale::German, QLocale::Germany), L"0 Nebenstellen ausgew\u00e4hlt (insgesamt 3)",
       L"1 Nebenstelle ausgew\u00e4hlt (insgesamt 3)", L"3 Nebenstellen ausgew\u00e4hlt (insgesamt 3)"},
      // French counts 0 with 1.
      {QLocale(QLocale::French, QLocale::France), L"0 poste s\u00e9lectionn\u00e9 (3 au total)",
       L"1 poste s\u00e9lectionn\u00e9 (3 au total)", L"3 postes s\u00e9lectionn\u00e9s (3 au total)"},
  };
  for (const Language& language : languages) {
    Translations translations(language.locale, Translations::ProgramFolder());
    translations.Install();
    list.ClearSelection();
    EXPECT_EQ(list.SelectionStatusText(), language.none);
    list.Select(L"2", false, false, false);
    EXPECT_EQ(list.SelectionStatusText(), language.one);
    list.SelectAll();
    EXPECT_EQ(list.SelectionStatusText(), language.all);
  }
}

// Counts a person reads group their digits as the language does; numbers that are data (a
// row number to find in the file, the IDs of a range) keep their plain digits.
TEST(Translations, CountsGroupTheirDigitsAsTheLanguageDoesAndDataDoesNot) {
  ExchangeOutcome outcome;
  outcome.count = 12345;
  const std::pair<QLocale, std::wstring> counts[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), L"12,345 added"},
      {QLocale(QLocale::German, QLocale::Germany), L"12.345 hinzugef\u00fcgt"},
      {QLocale(QLocale::French, QLocale::France), L"12\u202f345 ajout\u00e9s"},
  };
  for (const auto& [locale, added] : counts) {
    Translations translations(locale, Translations::ProgramFolder());
    translations.Install();
    EXPECT_EQ(ImportCountsText(outcome), added);
    const auto ids = ExpandExtensionIds({L"9998-10001"}, [](const std::wstring&, long long) { return RangeChoice::kCreateAll; });
    ASSERT_TRUE(ids.has_value());
    EXPECT_EQ(ids->back(), L"10001");
    const std::wstring problem = ProblemText({12345, 2, L"Name", L"x"});
    EXPECT_NE(problem.find(L" 12345,"), std::wstring::npos) << ToUtf8(problem);
  }
  {
    Translations german(QLocale(QLocale::German, QLocale::Germany), Translations::ProgramFolder());
    german.Install();
    EXPECT_EQ(CreateAllRangeText(12345).find(L"12.345"), CreateAllRangeText(7).find(L"7"));
  }
  // The C locale ("LANG=C") writes plain digits, and so does a run without any.
  {
    Translations plain(QLocale::c(), Translations::ProgramFolder());
    plain.Install();
    EXPECT_EQ(CountText(12345), L"12345");
  }
  EXPECT_EQ(InstalledDigitGrouping(), nullptr);
  EXPECT_EQ(CountText(12345), L"12345");
}

TEST(Translations, ALanguageWithoutAFileStaysEnglish) {
  Translations english(QLocale(QLocale::English, QLocale::UnitedStates), Translations::ProgramFolder());
  EXPECT_FALSE(english.HasProgramTranslation());
  english.Install();
  EXPECT_EQ(LoadString(kStrUntitled), L"Untitled");
  EXPECT_EQ(TrN("StatusText", "%n extensions in database", "%n extension in database", 1), L"1 extension in database");
  Translations missing(QLocale(QLocale::German), "/nonexistent/folder");
  EXPECT_FALSE(missing.HasProgramTranslation());
}

}  // namespace
}  // namespace mirn
