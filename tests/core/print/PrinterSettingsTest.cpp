#include <gtest/gtest.h>

#include "print/PrintContext.h"
#include "print/PrinterSettings.h"
#include "print/PrinterStatus.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

const LocalDateTime kNow{2026, 3, 10, 12, 0, 0};

DeviceMode DriverMode() {
  DeviceMode m;
  m.fields = kDmOrientation | kDmPaperSize | kDmDefaultSource | kDmPrintQuality | kDmDuplex;
  m.paperSize = kPaperLetter;
  m.defaultSource = 7;
  m.printQuality = 600;
  m.duplex = 2;
  return m;
}

TEST(PrinterSettings, RecordsAndAppliesOnlyTheFieldsThatAreSet) {
  DeviceMode driver = DriverMode();
  driver.paperLength = 1234;  // not marked set: not remembered
  const PrinterSettings s = PrinterSettings::Record(driver, kNow);
  EXPECT_EQ(s.dmFields, kDmPaperSize | kDmDefaultSource | kDmPrintQuality);
  EXPECT_EQ(s.dmPaperLength, 0);
  EXPECT_EQ(s.lastUsed, kNow);

  // Saved settings holding only a paper size change the paper and nothing else.
  PrinterSettings paperOnly;
  paperOnly.dmFields = kDmPaperSize;
  paperOnly.dmPaperSize = kPaperA4;
  paperOnly.dmDefaultSource = 99;
  DeviceMode mode = DriverMode();
  paperOnly.ApplyTo(mode);
  EXPECT_EQ(mode.paperSize, kPaperA4);
  EXPECT_EQ(mode.defaultSource, 7);
  EXPECT_EQ(mode.printQuality, 600);
  EXPECT_EQ(mode.fields, DriverMode().fields);
}

TEST(PrinterSettings, StoreWritesReadsAndForgetsOldEntries) {
  test::TempDir dir;
  const auto file = dir / "Mirn" / "Last-Used Printer Settings.xml";
  PrinterSettingsStore store;
  store.Record(L"Recent", DriverMode(), {2026, 1, 10, 12, 0, 0});  // 59 days ago
  store.Record(L"Old", DriverMode(), {2026, 1, 8, 12, 0, 0});      // 61 days ago
  store.Record(L"Edge", DriverMode(), {2026, 1, 9, 12, 0, 0});     // exactly 60 days ago
  store.Record(L"Zürich", DriverMode(), kNow);
  ASSERT_TRUE(store.Save(file, L"Zürich"));
  const std::string xml = test::ReadFile(file);
  EXPECT_NE(xml.find("<printers versions=\"100\" default=\"Zürich\">"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<lastUsed value=\"2026-03-10T12:00:00\""), std::string::npos);

  PrinterSettingsStore loaded;
  loaded.Load(file, kNow);
  EXPECT_EQ(loaded.DefaultPrinter(), L"Zürich");
  EXPECT_TRUE(loaded.Find(L"Recent"));
  EXPECT_TRUE(loaded.Find(L"Edge"));
  EXPECT_FALSE(loaded.Find(L"Old"));
  ASSERT_TRUE(loaded.Find(L"Zürich"));
  EXPECT_EQ(*loaded.Find(L"Zürich"), *store.Find(L"Zürich"));
}

TEST(PrinterSettings, StoreIgnoresOtherVersionsAndKeepsUndatedEntries) {
  test::TempDir dir;
  const auto file = dir / "s.xml";
  PrinterSettingsStore store;
  test::WriteFile(file, "<printers versions=\"200\" default=\"X\"><printer name=\"X\"/></printers>");
  store.Load(file, kNow);
  EXPECT_TRUE(store.Entries().empty());
  EXPECT_EQ(store.DefaultPrinter(), L"");

  test::WriteFile(file,
                  "<printers versions=\"90, 100\" default=\"X\"><printer name=\"X\">"
                  "<dmFields value=\"2\"/><dmPaperSize value=\"9\"/>"
                  "<lastUsed value=\"2026-03-01T08:15:30.250\"/></printer>"
                  "<printer name=\"Y\"><dmPaperSize value=\"99999\"/>"
                  "<lastUsed value=\"not-a-date-time\"/></printer></printers>");
  store.Load(file, kNow);
  ASSERT_EQ(store.Entries().size(), 2u);
  EXPECT_EQ(store.Find(L"X")->dmPaperSize, kPaperA4);
  EXPECT_EQ(store.Find(L"X")->lastUsed, (LocalDateTime{2026, 3, 1, 8, 15, 30}));
  EXPECT_EQ(store.Find(L"Y")->dmPaperSize, 0);  // out of range reads as 0
  EXPECT_FALSE(store.Find(L"Y")->lastUsed);

  test::WriteFile(file, "not xml");
  store.Load(file, kNow);
  EXPECT_TRUE(store.Entries().empty());
}

TEST(PrinterSettings, TakingDefaultsAppliesSavedSettingsOnlyOnAChangeOfPrinter) {
  PrinterSettingsStore store;
  DeviceMode a4 = DriverMode();
  a4.paperSize = kPaperA4;
  store.Record(L"P", a4, kNow);
  store.Record(L"Q", DriverMode(), kNow);
  // P differs from the last recorded printer (Q): its saved A4 is applied.
  EXPECT_EQ(store.TakeDefaults(L"P", DriverMode(), kNow).paperSize, kPaperA4);
  // Now P is the last recorded: the mode handed in is taken as it is.
  EXPECT_EQ(store.TakeDefaults(L"P", DriverMode(), kNow).paperSize, kPaperLetter);
  EXPECT_EQ(store.Find(L"P")->dmPaperSize, kPaperLetter);
}

TEST(PrintContextTest, RotationPaperAndMargins) {
  PrinterCapabilities caps;
  caps.dpiX = caps.dpiY = 600;
  caps.horzRes = 4900;
  caps.vertRes = 6400;
  caps.offsetLeft = 50;
  caps.offsetTop = 75;
  caps.landscapeRotation = 270;
  caps.papers = {{kPaperLetter, 2159, 2794}, {kPaperA4, 2100, 2970}};

  DeviceMode portrait = DriverMode();
  const PrintContext p = MakePrintContext(portrait, caps);
  EXPECT_EQ(p.rotation, 0);  // whatever the driver says for landscape
  EXPECT_EQ(p.paperWidth, 5100);
  EXPECT_EQ(p.paperHeight, 6600);
  EXPECT_EQ(p.marginRight, 5100 - 4900 - 50);
  EXPECT_EQ(p.marginBottom, 6600 - 6400 - 75);
  EXPECT_TRUE(p.monochrome);

  DeviceMode landscape = portrait;
  landscape.orientation = kOrientationLandscape;
  landscape.paperSize = kPaperA4;
  const PrintContext l = MakePrintContext(landscape, caps);
  EXPECT_EQ(l.rotation, 270);
  EXPECT_EQ(l.paperWidth, 7016);  // 297 mm at 600 dpi
  EXPECT_EQ(l.paperHeight, 4961);

  // A size given by length and width, without a paper code bit.
  DeviceMode custom;
  custom.fields = kDmPaperLength | kDmPaperWidth;
  custom.paperSize = 256;
  custom.paperWidth = 1000;
  custom.paperLength = 2540;
  const PrintContext c = MakePrintContext(custom, caps);
  EXPECT_EQ(c.paperWidth, 2362);
  EXPECT_EQ(c.paperHeight, 6000);

  // An unlisted paper code and a driver that cannot be asked: Letter, unturned.
  caps.landscapeRotation.reset();
  caps.numColors = 256;
  caps.bitsPerPixel = 8;
  landscape.paperSize = 70;
  const PrintContext u = MakePrintContext(landscape, caps);
  EXPECT_EQ(u.rotation, 0);
  EXPECT_EQ(u.paperWidth, 5100);
  EXPECT_FALSE(u.monochrome);
}

TEST(PrinterStatusTest, TextsAndCupsMapping) {
  EXPECT_EQ(PrinterStatusText(0, 3), L"Ready");
  EXPECT_EQ(PrinterStatusText(0x1, 0), L"Paused; 0 documents waiting");
  EXPECT_EQ(PrinterStatusText(0x1000000, 2), L"Power save mode; 2 documents waiting");
  EXPECT_EQ(PrinterStatusText(0x8 | 0x10, 1), L"Ready");  // two bits equal no single value

  EXPECT_EQ(StatusFromCups(kCupsIdle, {"none"}), 0u);
  EXPECT_EQ(StatusFromCups(kCupsProcessing, {}), 0x400u);
  EXPECT_EQ(StatusFromCups(kCupsStopped, {"paused"}), 0x1u);
  EXPECT_EQ(StatusFromCups(kCupsStopped, {}), 0x1u);
  EXPECT_EQ(StatusFromCups(kCupsIdle, {"toner-low-warning", "media-empty-error"}), 0x10u);
  EXPECT_EQ(StatusFromCups(kCupsProcessing, {"door-open-report"}), 0x400000u);
  EXPECT_EQ(StatusFromCups(kCupsIdle, {"offline-report"}), 0x80u);
}

}  // namespace
}  // namespace mirn
