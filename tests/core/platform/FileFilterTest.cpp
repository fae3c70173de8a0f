#include "platform/FileFilter.h"

#include <gtest/gtest.h>

namespace mirn {
namespace {

TEST(FileFilter, PairsBecomeDialogNameFilters) {
  EXPECT_EQ(DialogNameFilters(L"Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||"),
            (std::vector<std::wstring>{L"Mirn Database (*.mrb)", L"All Files (*)"}));
  // Several patterns, a name without its own list, a name whose list disagrees with the patterns.
  EXPECT_EQ(DialogNameFilters(L"Pictures|*.bmp; *.png;*.jpg|Excel (*.xls)|*.xlsx||"),
            (std::vector<std::wstring>{L"Pictures (*.bmp *.png *.jpg)", L"Excel (*.xlsx)"}));
  // No closing "||", and a dangling name without patterns.
  EXPECT_EQ(DialogNameFilters(L"CSV Files (*.csv)|*.csv|Broken"), std::vector<std::wstring>{L"CSV Files (*.csv)"});
  EXPECT_TRUE(DialogNameFilters(L"").empty());
  const auto entries = ParseFileFilter(L"Text|*.txt;*.*||");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].patterns, (std::vector<std::wstring>{L"*.txt", L"*"}));
}

TEST(FileFilter, DefaultExtensionOnlyForNamesWithoutOne) {
  EXPECT_EQ(WithDefaultExtension("/home/a/Office", L"mrb"), std::filesystem::path("/home/a/Office.mrb"));
  EXPECT_EQ(WithDefaultExtension("/home/a/Office.csv", L"mrb"), std::filesystem::path("/home/a/Office.csv"));
  EXPECT_EQ(WithDefaultExtension("/home/a.b/Office", L"mrb"), std::filesystem::path("/home/a.b/Office.mrb"));
  EXPECT_EQ(WithDefaultExtension("/home/a/Office", L""), std::filesystem::path("/home/a/Office"));
  EXPECT_EQ(WithDefaultExtension("", L"mrb"), std::filesystem::path());
}

}  // namespace
}  // namespace mirn
