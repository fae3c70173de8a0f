#include "util/StringTable.h"

#include <gtest/gtest.h>

#include "app/DocumentTitle.h"

namespace mirn {
namespace {

TEST(StringTable, KnownNumbersHaveTheirTextsAndUnknownOnesAreEmpty) {
  EXPECT_EQ(LoadString(1), L"Mirn Labeling System");
  EXPECT_EQ(LoadString(2049), L"Mirn");
  EXPECT_EQ(LoadString(2054), L"Untitled");
  EXPECT_EQ(LoadString(57605), L"The requested graphic could not be embedded.");
  EXPECT_EQ(LoadString(0), L"");
  EXPECT_EQ(LoadString(2050), L"");
}

TEST(StringTable, FormatFillsNumberedPlaceholders) {
  EXPECT_EQ(FormatString(LoadString(2059), {L"2", L"5"}), L"Name Extensions (Page 2 of 5)");
  EXPECT_EQ(FormatString(L"%2-%1 100%% %3", {L"a", L"b"}), L"b-a 100% ");
  EXPECT_EQ(FormatString(L"end %", {}), L"end %");
}

TEST(DocumentTitle, NameFollowsTheProgramTitle) {
  EXPECT_EQ(MainWindowTitle(L""), L"Mirn Labeling System");
  EXPECT_EQ(MainWindowTitle(L"Untitled"), L"Mirn Labeling System - Untitled");
}

}  // namespace
}  // namespace mirn
