#include "util/DateTime.h"

#include <gtest/gtest.h>

namespace mirn {
namespace {

TEST(IsoDateTime, BothFormsWriteAndReadBack) {
  const LocalDateTime t{2015, 3, 14, 9, 26, 53};
  EXPECT_EQ(FormatIsoBasic(t), L"20150314T092653");
  EXPECT_EQ(FormatIsoExtended(t), L"2015-03-14T09:26:53");
  // Every field zero-padded to its width; values beyond the widths print in full.
  EXPECT_EQ(FormatIsoBasic({5, 1, 2, 3, 4, 5}), L"00050102T030405");
  EXPECT_EQ(FormatIsoBasic({12345, 1, 2, 3, 4, 5}), L"123450102T030405");
  EXPECT_EQ(FormatIsoBasic({2015, 3, 14, 9, 26, -1}), L"20150314T0926-1");
  EXPECT_EQ(ParseIsoBasic(L"20150314T092653"), t);
  EXPECT_EQ(ParseIsoExtended(L"2015-03-14T09:26:53"), t);
}

TEST(IsoDateTime, RefusesOtherFormsAndImpossibleDates) {
  EXPECT_FALSE(ParseIsoBasic(L"2015-03-14T09:26:53"));
  EXPECT_FALSE(ParseIsoExtended(L"20150314T092653"));
  EXPECT_FALSE(ParseIsoBasic(L"20150230T000000"));
  EXPECT_FALSE(ParseIsoBasic(L"20150314T246000"));
  EXPECT_FALSE(ParseIsoBasic(L"2015031 T092653"));
  EXPECT_FALSE(ParseIsoBasic(L""));
  EXPECT_TRUE(ParseIsoBasic(L"20160229T235959"));
  EXPECT_FALSE(ParseIsoBasic(L"21000229T000000"));
}

TEST(IsoDateTime, OrdersChronologically) {
  EXPECT_LT((LocalDateTime{2015, 3, 14, 9, 26, 53}), (LocalDateTime{2015, 3, 14, 9, 27, 0}));
  EXPECT_LT((LocalDateTime{2014, 12, 31, 23, 59, 59}), (LocalDateTime{2015, 1, 1, 0, 0, 0}));
}

TEST(EpochSeconds, CalendarDatesBothWays) {
  EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
  EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
  EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
  EXPECT_EQ(DaysFromCivil(2015, 2, 31), DaysFromCivil(2015, 3, 3)) << "days past the month's end run on";
  EXPECT_EQ(FromEpochSeconds(-1), (LocalDateTime{1969, 12, 31, 23, 59, 59}));
  for (const LocalDateTime t : {LocalDateTime{1, 1, 1, 0, 0, 0}, LocalDateTime{2024, 2, 29, 12, 30, 5},
                                LocalDateTime{9999, 12, 31, 23, 59, 59}}) {
    EXPECT_EQ(FromEpochSeconds(ToEpochSeconds(t)), t) << ToEpochSeconds(t);
  }
  EXPECT_EQ(ToEpochSeconds({9999, 12, 31, 23, 59, 59}), 253402300799);
}

}  // namespace
}  // namespace mirn
