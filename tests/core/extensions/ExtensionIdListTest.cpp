#include "extensions/ExtensionIdList.h"

#include <gtest/gtest.h>

namespace mirn {
namespace {

using Ids = std::vector<std::wstring>;

// Answers every range question with `choice` and records what was asked.
struct RangeScript {
  RangeChoice choice = RangeChoice::kCreateAll;
  std::vector<std::pair<std::wstring, long long>> asked;
  RangeQuestion Question() {
    return [this](const std::wstring& item, long long count) {
      asked.emplace_back(item, count);
      return choice;
    };
  }
};

Ids Parse(std::wstring_view text, RangeScript& script) { return ParseExtensionIds(text, script.Question()).value(); }

Ids Parse(std::wstring_view text) {
  RangeScript script;
  return Parse(text, script);
}

Ids Range(int from, int to, int width) {
  Ids ids;
  for (int n = from; n <= to; ++n) {
    std::wstring s = std::to_wstring(n);
    ids.push_back(std::wstring(width > static_cast<int>(s.size()) ? width - s.size() : 0, L'0') + s);
  }
  return ids;
}

TEST(ExtensionIdList, SplitsOutsideQuotesOnly) {
  EXPECT_EQ(SplitExtensionIdText(L" 101, 102; 103 "), (Ids{L"101", L"102", L"103"}));
  EXPECT_EQ(SplitExtensionIdText(L"\"1,2\";3"), (Ids{L"\"1,2\"", L"3"}));
  EXPECT_EQ(SplitExtensionIdText(L",,1,,"), (Ids{L"1", L""}));
  EXPECT_EQ(SplitExtensionIdText(L"   "), Ids{});
  // An unclosed quote is closed, so the item still reads as one literal.
  EXPECT_EQ(SplitExtensionIdText(L"\"a,b"), (Ids{L"\"a,b\""}));
}

TEST(ExtensionIdList, RangesExpandInEitherOrderWithTheEndTextsWidth) {
  EXPECT_EQ(Parse(L"100-110"), Range(100, 110, 3));
  EXPECT_EQ(Parse(L"110-100"), Range(100, 110, 3));
  EXPECT_EQ(Parse(L"001-010"), Range(1, 10, 3));
  EXPECT_EQ(Parse(L"1-010"), Range(1, 10, 3));
  EXPECT_EQ(Parse(L"01-9"), Range(1, 9, 1));
  EXPECT_EQ(Parse(L" 7 - 8 "), (Ids{L"7", L"8"}));
}

TEST(ExtensionIdList, LiteralsAndItemsThatAreNotRanges) {
  EXPECT_EQ(Parse(L"\"5-7\""), Ids{L"5-7"});
  EXPECT_EQ(Parse(L"a-b"), Ids{L"a-b"});
  EXPECT_EQ(Parse(L"1-"), Ids{L"1-"});
  EXPECT_EQ(Parse(L"101, 102; 103"), (Ids{L"101", L"102", L"103"}));
  EXPECT_EQ(Parse(L"\"1,2\""), Ids{L"1,2"});
  EXPECT_EQ(Parse(L"\"\", 4"), Ids{L"4"});
  // A trailing separator leaves an empty item, which makes no ID.
  EXPECT_EQ(Parse(L"1,2,"), (Ids{L"1", L"2"}));
  EXPECT_EQ(Parse(L"1234567890123456789012345"), Ids{L"12345678901234567890"});
  EXPECT_EQ(Parse(L"\"1234567890-1234567890-12\""), Ids{L"1234567890-123456789"});
}

TEST(ExtensionIdList, LargeRangesAskAndHugeOnesAreOneId) {
  RangeScript script;
  EXPECT_EQ(Parse(L"1-25", script).size(), 25u);
  EXPECT_TRUE(script.asked.empty());
  EXPECT_EQ(Parse(L"1-30", script).size(), 30u);
  ASSERT_EQ(script.asked.size(), 1u);
  EXPECT_EQ(script.asked[0], (std::pair<std::wstring, long long>{L"1-30", 30}));
  EXPECT_EQ(Parse(L"1-512", script).size(), 512u);
  script.asked.clear();
  EXPECT_EQ(Parse(L"1-600", script), Ids{L"1-600"});
  EXPECT_EQ(Parse(L"1-513", script), Ids{L"1-513"});
  EXPECT_TRUE(script.asked.empty());
  // Numbers beyond 32 bits are one ID rather than a wrapped range.
  EXPECT_EQ(Parse(L"4294967296-4294967300", script), Ids{L"4294967296-429496730"});
}

TEST(ExtensionIdList, WarningAnswers) {
  RangeScript one{RangeChoice::kCreateOne, {}};
  EXPECT_EQ(Parse(L"5, 1-30, 6", one), (Ids{L"5", L"1-30", L"6"}));
  RangeScript skip{RangeChoice::kSkip, {}};
  EXPECT_EQ(Parse(L"5, 1-30, 6", skip), (Ids{L"5", L"6"}));
  RangeScript cancel{RangeChoice::kCancel, {}};
  EXPECT_FALSE(ParseExtensionIds(L"5, 1-30, 6", cancel.Question()).has_value());
  // Without anyone to ask, a large range is not created.
  EXPECT_FALSE(ParseExtensionIds(L"1-30", {}).has_value());
}

}  // namespace
}  // namespace mirn
