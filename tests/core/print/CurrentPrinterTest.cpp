#include <gtest/gtest.h>

#include "FakePrinters.h"
#include "platform/Clock.h"
#include "print/CurrentPrinter.h"
#include "print/PrinterSettings.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

DeviceMode Mode(std::int16_t paper, std::int16_t source) {
  DeviceMode m;
  m.fields = kDmPaperSize | kDmDefaultSource;
  m.paperSize = paper;
  m.defaultSource = source;
  return m;
}

class CurrentPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    printers.modes[L"Laser"] = Mode(kPaperLetter, 7);
    printers.modes[L"Inkjet"] = Mode(kPaperLetter, 2);
    printers.systemDefault = L"Inkjet";
    DeviceMode a4;
    a4.fields = kDmPaperSize;  // only the paper was saved
    a4.paperSize = kPaperA4;
    store.Record(L"Laser", a4, clock.Now());
  }
  FakePrinters printers;
  PrinterSettingsStore store;
  FakeClock clock{{2026, 3, 1, 9, 0, 0}};
};

TEST_F(CurrentPrinterTest, SelectingAppliesSavedPaperAndKeepsTheDriversSource) {
  CurrentPrinter current(printers, store, clock);
  ASSERT_TRUE(current.Select(L"Laser"));
  EXPECT_EQ(current.GetCurrentPrinterName(), L"Laser");
  const DeviceMode mode = *current.GetPrinterDefaults();
  EXPECT_EQ(mode.paperSize, kPaperA4);
  EXPECT_EQ(mode.defaultSource, 7);
  EXPECT_EQ(store.LastRecorded(), L"Laser");
  // A printer that cannot be opened leaves the current one as it was.
  EXPECT_FALSE(current.Select(L"Gone"));
  EXPECT_EQ(current.GetCurrentPrinterName(), L"Laser");
}

TEST_F(CurrentPrinterTest, FirstUseReturnsToTheRememberedPrinterOrTheSystemDefault) {
  test::TempDir dir;
  ASSERT_TRUE(store.Save(dir / "s.xml", L"Laser"));
  PrinterSettingsStore loaded;
  loaded.Load(dir / "s.xml", clock.Now());
  CurrentPrinter again(printers, loaded, clock);
  again.SelectRememberedPrinter();
  EXPECT_EQ(again.GetCurrentPrinterName(), L"Laser");
  EXPECT_EQ(again.GetPrinterDefaults()->paperSize, kPaperA4);

  PrinterSettingsStore remembered;
  CurrentPrinter none(printers, remembered, clock);
  none.SelectRememberedPrinter();
  EXPECT_EQ(none.GetCurrentPrinterName(), L"");
  ASSERT_TRUE(none.GetPrinterDefaults());
  EXPECT_EQ(none.GetCurrentPrinterName(), L"Inkjet");

  printers.modes.clear();
  printers.modes[L"Other"] = Mode(kPaperLetter, 1);
  printers.systemDefault.clear();
  CurrentPrinter fallback(printers, remembered, clock);
  ASSERT_TRUE(fallback.GetPrinterDefaults());
  EXPECT_EQ(fallback.GetCurrentPrinterName(), L"Other");
}

}  // namespace
}  // namespace mirn
