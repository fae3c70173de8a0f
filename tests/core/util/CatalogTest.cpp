#include "util/Catalog.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <tuple>

#include "util/CountText.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

// A catalog with German-like rules: plural forms "one" and "other" chosen by count == 1,
// as the translation files choose them for German.
class FakeCatalog : public Catalog {
 public:
  std::map<std::tuple<std::string, std::string>, std::string> texts;
  std::map<std::tuple<std::string, std::string>, std::pair<std::string, std::string>> plurals;
  mutable std::string lastDisambiguation;

  std::string Translate(const char* context, const char* source, const char* disambiguation,
                        int count) const override {
    lastDisambiguation = disambiguation ? disambiguation : "";
    if (count >= 0) {
      auto it = plurals.find({context, source});
      if (it == plurals.end()) return {};
      return count == 1 ? it->second.first : it->second.second;
    }
    auto it = texts.find({context, source});
    return it == texts.end() ? std::string() : it->second;
  }
};

class CatalogTest : public ::testing::Test {
 protected:
  void TearDown() override {
    InstallCatalog(nullptr);
    InstallDigitGrouping(nullptr);
  }
  FakeCatalog catalog;
};

TEST_F(CatalogTest, WithoutACatalogTheEnglishSourceIsTheText) {
  EXPECT_EQ(Tr("Ctx", "Save changes to %1?"), L"Save changes to %1?");
  EXPECT_EQ(Tr("Ctx", "Stra\xc3\x9f" "e"), L"Stra\u00dfe");  // sources are UTF-8
  EXPECT_EQ(TrN("Ctx", "%n extensions", "%n extension", 1), L"1 extension");
  EXPECT_EQ(TrN("Ctx", "%n extensions", "%n extension", 0), L"0 extensions");
  EXPECT_EQ(TrN("Ctx", "%n extensions", "%n extension", 2), L"2 extensions");
  EXPECT_EQ(TrN("Ctx", "%n of %n", "%n of %n", -3), L"-3 of -3");
}

TEST_F(CatalogTest, TranslationsAnswerByContextAndFallBackToTheSource) {
  catalog.texts[{"Doc", "Untitled"}] = "Unbenannt";
  InstallCatalog(&catalog);
  EXPECT_EQ(Tr("Doc", "Untitled"), L"Unbenannt");
  EXPECT_EQ(Tr("Other", "Untitled"), L"Untitled");  // another context is another text
  EXPECT_EQ(Tr("Doc", "Not translated"), L"Not translated");
  EXPECT_EQ(catalog.lastDisambiguation, "");
}

TEST_F(CatalogTest, PluralsTakeTheCatalogsFormAndTheCount) {
  catalog.plurals[{"List", "%n extensions"}] = {"%n Nebenstelle", "%n Nebenstellen"};
  InstallCatalog(&catalog);
  EXPECT_EQ(TrN("List", "%n extensions", "%n extension", 1), L"1 Nebenstelle");
  EXPECT_EQ(catalog.lastDisambiguation, "%n extension");  // the singular names the text
  EXPECT_EQ(TrN("List", "%n extensions", "%n extension", 12), L"12 Nebenstellen");
  // A count beyond the catalog's range keeps its digits.
  EXPECT_EQ(TrN("List", "%n extensions", "%n extension", 5000000000LL), L"5000000000 Nebenstellen");
  // Without a plural entry, English rules.
  EXPECT_EQ(TrN("List", "%n pages", "%n page", 1), L"1 page");
}

TEST_F(CatalogTest, PlaceholdersMayChangeOrderInTheTranslation) {
  catalog.texts[{"Wizard", "Name Extensions (Page %1 of %2)"}] = "Seite %1/%2: Nebenstellen benennen";
  catalog.texts[{"Ids", "Cannot change '%1' to '%2'"}] = "'%2' statt '%1' geht nicht";
  InstallCatalog(&catalog);
  EXPECT_EQ(FormatString(Tr("Wizard", "Name Extensions (Page %1 of %2)"), {L"2", L"5"}),
            L"Seite 2/5: Nebenstellen benennen");
  EXPECT_EQ(FormatString(Tr("Ids", "Cannot change '%1' to '%2'"), {L"101", L"102"}), L"'102' statt '101' geht nicht");
  // The UTF-8 twins mirn-cli writes with: the same texts, placeholders and "%%".
  EXPECT_EQ(FormatString(TrUtf8("Ids", "Cannot change '%1' to '%2'"), {"B\xc3\xbcro", "102"}),
            "'102' statt 'B\xc3\xbcro' geht nicht");
  EXPECT_EQ(FormatString(std::string("100%% of %1, %3"), {"x"}), "100% of x, ");
  catalog.plurals[{"List", "%n names"}] = {"%n Name", "%n Namen"};
  EXPECT_EQ(TrNUtf8("List", "%n names", "%n name", 3), "3 Namen");
  EXPECT_EQ(TrNUtf8("List", "%n lines", "%n line", 1), "1 line");
}

// The locale's separator between groups of three digits.
class FixedGrouping final : public DigitGrouping {
 public:
  explicit FixedGrouping(std::wstring separator) : separator_(std::move(separator)) {}
  std::wstring GroupSeparator() const override { return separator_; }

 private:
  std::wstring separator_;
};

TEST(CountTextTest, DigitsGroupInThreesFromTheRight) {
  EXPECT_EQ(GroupedDigits(0, L","), L"0");
  EXPECT_EQ(GroupedDigits(999, L","), L"999");
  EXPECT_EQ(GroupedDigits(1000, L"."), L"1.000");
  EXPECT_EQ(GroupedDigits(12345, L"\u202f"), L"12\u202f345");
  EXPECT_EQ(GroupedDigits(123456, L","), L"123,456");
  EXPECT_EQ(GroupedDigits(1234567, L","), L"1,234,567");
  EXPECT_EQ(GroupedDigits(-1234, L","), L"-1,234");  // the sign is no digit
  EXPECT_EQ(GroupedDigits(-999, L","), L"-999");
  EXPECT_EQ(GroupedDigits(LLONG_MIN, L","), L"-9,223,372,036,854,775,808");
  EXPECT_EQ(GroupedDigits(12345, L""), L"12345");
}

// Counts group as the installed locale groups them, in TrN()'s "%n" too; without one, and in
// the texts that take a number as a placeholder, the digits stay plain.
TEST_F(CatalogTest, CountsGroupAsTheInstalledLocaleGroupsThem) {
  EXPECT_EQ(CountText(12345), L"12345");
  EXPECT_EQ(TrN("List", "%n extensions", "%n extension", 12345), L"12345 extensions");
  FixedGrouping german(L".");
  InstallDigitGrouping(&german);
  EXPECT_EQ(CountText(12345), L"12.345");
  EXPECT_EQ(CountTextUtf8(-12345), "-12.345");
  EXPECT_EQ(TrN("List", "%n extensions", "%n extension", 12345), L"12.345 extensions");
  catalog.plurals[{"List", "%n extensions"}] = {"%n Nebenstelle", "%n Nebenstellen"};
  InstallCatalog(&catalog);
  EXPECT_EQ(TrN("List", "%n extensions", "%n extension", 5000000000LL), L"5.000.000.000 Nebenstellen");
  FixedGrouping french(L"\u202f");
  InstallDigitGrouping(&french);
  EXPECT_EQ(TrNUtf8("List", "%n extensions", "%n extension", 2500), "2\u202f500 Nebenstellen");
  EXPECT_EQ(InstalledDigitGrouping(), &french);
  InstallDigitGrouping(nullptr);
  EXPECT_EQ(CountText(12345), L"12345");
}

TEST_F(CatalogTest, TheStringTableTranslatesItsTextsButNotTheProgramsNames) {
  catalog.texts[{"StringTable", "Untitled"}] = "Sans titre";
  catalog.texts[{"StringTable", "Mirn"}] = "must not be asked";
  catalog.texts[{"StringTable", "Mirn Labeling System"}] = "must not be asked";
  InstallCatalog(&catalog);
  EXPECT_EQ(LoadString(kStrUntitled), L"Sans titre");
  // The settings folder is named after these: they stay the same in every language.
  EXPECT_EQ(LoadString(kStrCompany), L"Mirn");
  EXPECT_EQ(LoadString(kStrAppTitle), L"Mirn Labeling System");
  EXPECT_EQ(LoadString(2050), L"");
  InstallCatalog(nullptr);
  EXPECT_EQ(LoadString(kStrUntitled), L"Untitled");
}

}  // namespace
}  // namespace mirn
