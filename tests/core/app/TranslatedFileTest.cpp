#include "app/TranslatedFile.h"

#include <cstring>
#include <fstream>

#include <gtest/gtest.h>

#include "support/PseudoCatalog.h"
#include "support/TestSupport.h"
#include "util/Catalog.h"

namespace mirn {
namespace {

// A language whose translation file names its own guide, as mirn_de.ts does.
class GuideCatalog final : public Catalog {
 public:
  std::string Translate(const char* context, const char* source, const char*, int) const override {
    if (std::strcmp(context, "UserGuide") == 0 && std::strcmp(source, "user-guide.html") == 0) {
      return "user-guide.de.html";
    }
    return {};
  }
};

void Touch(const std::filesystem::path& path) { std::ofstream(path) << "<html></html>\n"; }

TEST(TranslatedFile, TakesTheTranslatedFileWhereTheFolderHasItElseTheEnglishOne) {
  test::TempDir dir;
  Touch(dir / "tips.tip");
  EXPECT_EQ(TranslatedFile(dir.Path(), L"tips.de.tip", L"tips.tip"), dir / "tips.tip");
  std::filesystem::create_directory(dir / "tips.de.tip");
  EXPECT_EQ(TranslatedFile(dir.Path(), L"tips.de.tip", L"tips.tip"), dir / "tips.tip") << "a folder is no file";
  std::filesystem::remove(dir / "tips.de.tip");
  Touch(dir / "tips.de.tip");
  EXPECT_EQ(TranslatedFile(dir.Path(), L"tips.de.tip", L"tips.tip"), dir / "tips.de.tip");
  // Neither there: the English name, for the caller to report as missing.
  EXPECT_EQ(TranslatedFile(dir.Path(), L"guide.fr.html", L"guide.html"), dir / "guide.html");
}

// A translation names a file beside the English one and nothing else, even where the file
// it names exists.
TEST(TranslatedFile, ATranslatedNameThatLeavesTheFolderIsNotUsed) {
  test::TempDir dir;
  std::filesystem::create_directory(dir / "program");
  std::filesystem::create_directory(dir / "program" / "sub");
  Touch(dir / "outside.html");
  Touch(dir / "program" / "sub" / "inside.html");
  const auto program = dir / "program";
  const auto english = program / "user-guide.html";
  EXPECT_EQ(TranslatedFile(program, L"../outside.html", L"user-guide.html"), english);
  EXPECT_EQ(TranslatedFile(program, (dir / "outside.html").wstring(), L"user-guide.html"), english);
  EXPECT_EQ(TranslatedFile(program, L"sub/inside.html", L"user-guide.html"), english);
  EXPECT_EQ(TranslatedFile(program, L"..", L"user-guide.html"), english);
  EXPECT_EQ(TranslatedFile(program, L"", L"user-guide.html"), english);
}

TEST(TranslatedFile, TheUserGuideFollowsTheLanguageWhereItIsTranslated) {
  test::TempDir dir;
  Touch(dir / "user-guide.html");
  EXPECT_EQ(UserGuideFile(dir.Path()), dir / "user-guide.html");
  const GuideCatalog catalog;
  const test::ScopedCatalog german(catalog);
  EXPECT_EQ(UserGuideFile(dir.Path()), dir / "user-guide.html") << "no German guide installed";
  Touch(dir / "user-guide.de.html");
  EXPECT_EQ(UserGuideFile(dir.Path()), dir / "user-guide.de.html");
}

}  // namespace
}  // namespace mirn
