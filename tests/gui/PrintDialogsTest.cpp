// The printing dialogs offscreen: the print dialog's counter, copies and printer rules, the
// first-label chooser's clicks, the adjustment pages' units and limits, and the preview's
// pages against the PDF the same job writes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QDir>
#include <QTest>
#include <QTreeWidget>

#include "gui/CMultiLabelDlg.h"
#include "gui/CPrintDlg.h"
#include "gui/CPrintPreviewDlg.h"
#include "gui/CPrinterAdjustmentDlg.h"
#include "gui/PrintPreviewJob.h"
#include "platform/KnownFolders.h"
#include "print/PrintLabels.h"
#include "qt/PrintTargets.h"
#include "qt/QtText.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "templates/CDDFTemplate.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

class PrintDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folders.Set(KnownFolder::Program, fs::path(MIRN_BINARY_DIR) / "bin");
    library.ScanAll();
    int code = 0;
    db = OpenDatabase({}, code, {nullptr, dir.Path()});
    ASSERT_TRUE(db);
    for (int i = 0; i < 35; ++i) {
      const std::wstring id = std::to_wstring(300 + i);
      ASSERT_EQ(db->AddExtension(id, L"HD40", L"Person " + id), 0);
      ASSERT_EQ(db->SetField(id, 1201, WriteRtf(EmptyTextFormat(), L"Ext. " + id)), 0);
    }
  }

  test::TempDir dir;
  FakeKnownFolders folders{dir.Path()};
  DDFLibrary library{folders, false};
  std::unique_ptr<MRBBase> db;
};

TEST_F(PrintDialogsTest, PrintDialogCountsCheckedExtensionsAndCopies) {
  std::vector<std::wstring> warnings;
  CPrintDlg::Printers printers;
  printers.names = {L"Office", L"Broken", L"PDF"};
  printers.current = L"Office";
  printers.info = [](const std::wstring& name) -> std::optional<PrinterInfo> {
    PrinterInfo info;
    info.driver = L"Driver " + name;
    info.port = L"ipp://x/" + name;
    info.status = name == L"Office" ? 0x1u : 0u;
    info.queuedJobs = 2;
    return info;
  };
  printers.select = [](const std::wstring& name) { return name != L"Broken"; };
  printers.warn = [&](const std::wstring& text) { warnings.push_back(text); };
  CPrintDlg dialog(*db, library, {L"301", L"302", L"999"}, printers);
  EXPECT_EQ(dialog.Counter()->text(), "2 extensions selected");
  EXPECT_EQ(dialog.List()->topLevelItemCount(), 35);
  EXPECT_EQ(dialog.Status()->text(), "Paused; 2 documents waiting");

  dialog.findChild<QPushButton*>("Clear")->click();
  EXPECT_EQ(dialog.Counter()->text(), "0 extensions selected");
  EXPECT_FALSE(dialog.PrintButton()->isEnabled());
  dialog.List()->topLevelItem(4)->setCheckState(0, Qt::Checked);
  EXPECT_EQ(dialog.Counter()->text(), "1 extension selected");
  EXPECT_EQ(dialog.Counter()->accessibleName(), "1 extension selected") << "a screen reader hears the count";
  EXPECT_EQ(dialog.CheckedIds(), (std::vector<std::wstring>{L"304"}));
  dialog.findChild<QPushButton*>("Select All")->click();
  EXPECT_EQ(dialog.CheckedIds().size(), 35u);

  EXPECT_TRUE(dialog.OneCopy()->isChecked());
  EXPECT_FALSE(dialog.Number()->isEnabled());
  EXPECT_EQ(dialog.Number()->value(), 2);
  EXPECT_EQ(dialog.Copies(), 1);
  dialog.Multiples()->setChecked(true);
  EXPECT_TRUE(dialog.Number()->isEnabled());
  EXPECT_EQ(dialog.Copies(), 2);
  dialog.Number()->setValue(5000);
  EXPECT_EQ(dialog.Copies(), 1000);
  dialog.Number()->setValue(1);
  EXPECT_EQ(dialog.Copies(), 2);

  // A printer that cannot be selected: the message, and the list goes back.
  dialog.PrinterBox()->setCurrentIndex(1);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find(L"Printer \"Broken\" could not be selected."), std::wstring::npos);
  EXPECT_EQ(dialog.PrinterBox()->currentText(), "Office");
  EXPECT_EQ(dialog.Printer(), L"Office");
  dialog.PrinterBox()->setCurrentIndex(2);
  EXPECT_EQ(dialog.Printer(), L"PDF");
  EXPECT_EQ(dialog.Status()->text(), "Ready");
  EXPECT_EQ(dialog.findChild<QLabel*>("Where")->text(), "ipp://x/PDF");
}

TEST_F(PrintDialogsTest, ChooserClickPicksTheSlotUnderThePointer) {
  const auto layout = library.GetTemplate(L"HD40");
  ASSERT_TRUE(layout);
  CMultiLabelDlg dialog(*layout, 4, nullptr);
  EXPECT_EQ(dialog.List()->count(), static_cast<int>(layout->GetSlots().size()));
  EXPECT_EQ(dialog.List()->item(0)->text(), "Label 1");
  EXPECT_EQ(dialog.StartSlot(), 4);
  dialog.resize(520, 520);
  dialog.show();
  SheetDiagramView* view = dialog.DiagramView();
  const DiagramFit fit = FitDiagram(view->Diagram(), view->width(), view->height());
  for (int slot : {0, 7, static_cast<int>(layout->GetSlots().size()) - 1}) {
    const SlotRect r = fit.ToArea(view->Diagram().slots[static_cast<size_t>(slot)]);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    EXPECT_EQ(dialog.StartSlot(), slot);
    EXPECT_EQ(view->Selected(), slot);
  }
  // Outside every label nothing changes; choosing in the list redraws the diagram's choice.
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(1, 1));
  EXPECT_EQ(dialog.StartSlot(), static_cast<int>(layout->GetSlots().size()) - 1);
  dialog.List()->setCurrentRow(2);
  EXPECT_EQ(view->Selected(), 2);
}

TEST_F(PrintDialogsTest, AdjustmentPagesStepInTheUnitAndKeepToTheLimits) {
  const PrinterAdjustment a{L"Office", 57, -28, 144, 0};
  CPrinterAdjustmentDlg metric(a, MeasureUnit::Millimetres);
  QDoubleSpinBox* x = metric.Field(false, false);
  EXPECT_DOUBLE_EQ(x->value(), 1.0);
  EXPECT_DOUBLE_EQ(metric.Field(false, true)->value(), -0.5);
  EXPECT_DOUBLE_EQ(x->singleStep(), 0.1);
  EXPECT_DOUBLE_EQ(x->maximum(), 200.0);
  EXPECT_DOUBLE_EQ(x->minimum(), -200.0);
  // Read back as shown: 57 and -28 twips are 1.0 and -0.5 mm exactly; 144 twips show as
  // 2.5 mm, which is 142.
  EXPECT_EQ(metric.Values(), (PrinterAdjustment{L"Office", 57, -28, 142, 0}));
  x->setValue(1.1);
  EXPECT_EQ(metric.Values()->portraitX, 62);
  x->setValue(999);  // the spin stops at the limit OK accepts
  EXPECT_EQ(metric.Values()->portraitX, 11339);

  CPrinterAdjustmentDlg inches(a, MeasureUnit::Inches);
  EXPECT_DOUBLE_EQ(inches.Field(true, false)->value(), 0.10);
  EXPECT_DOUBLE_EQ(inches.Field(true, false)->singleStep(), 0.01);
  EXPECT_DOUBLE_EQ(inches.Field(true, false)->maximum(), 10.0);
  inches.Field(true, true)->setValue(-0.25);
  EXPECT_EQ(inches.Values()->landscapeY, -360);
  EXPECT_EQ(inches.Pages()->count(), 2);
  // The printer the adjustment is for is named; the one kept where no printer is installed
  // is said in words (its stored name, "None", is not).
  EXPECT_EQ(metric.findChild<QLabel*>("Printer")->text(), "Office");
  CPrinterAdjustmentDlg none(PrinterAdjustment{AdjustmentPrinterName(L""), 0, 0, 0, 0}, MeasureUnit::Millimetres);
  EXPECT_EQ(none.findChild<QLabel*>("Printer")->text(), "No printer");
}

// Adjustments are typed and shown in the reader's number format ("1,5" in German and French)
// and stored as the same twips as "1.5" in English.
TEST_F(PrintDialogsTest, AdjustmentsAreTypedInTheLocalesNumberFormat) {
  const PrinterAdjustment a{L"Office", 0, 0, 0, 0};
  const QLocale before;
  auto typed = [&](const QLocale& locale, const QString& text, MeasureUnit unit) {
    QLocale::setDefault(locale);
    CPrinterAdjustmentDlg dialog(a, unit);
    QDoubleSpinBox* x = dialog.Field(false, false);
    x->selectAll();
    QTest::keyClicks(x, text);
    x->interpretText();
    const QString shown = x->text();
    QLocale::setDefault(before);
    return std::pair{dialog.Values()->portraitX, shown};
  };
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  const auto [englishTwips, englishShown] = typed(english, "1.5", MeasureUnit::Millimetres);
  EXPECT_EQ(englishTwips, 85);  // 1.5 mm
  EXPECT_TRUE(englishShown.startsWith("1.5 ")) << englishShown.toStdString();
  EXPECT_EQ(typed(english, "1,5", MeasureUnit::Millimetres).first, 85);
  for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France)}) {
    SCOPED_TRACE(locale.name().toStdString());
    const auto [twips, shown] = typed(locale, "1,5", MeasureUnit::Millimetres);
    EXPECT_EQ(twips, englishTwips);
    EXPECT_TRUE(shown.startsWith("1,5 ")) << shown.toStdString();
    // A point typed out of habit is the decimal sign too, shown as the locale writes it:
    // dropped as a thousands separator, it made 1.5 mm a shift of 15 mm.
    const auto [pointTwips, pointShown] = typed(locale, "1.5", MeasureUnit::Millimetres);
    EXPECT_EQ(pointTwips, 85);
    EXPECT_TRUE(pointShown.startsWith("1,5 ")) << pointShown.toStdString();
    EXPECT_EQ(typed(locale, "-0,25", MeasureUnit::Inches).first, -360);
  }
}

// The preview shows as many pages as the PDF of the same job has, starting where the job
// starts, and its pages are drawn.
TEST_F(PrintDialogsTest, PreviewPagesMatchThePdf) {
  const fs::path pdf = dir / "job.pdf";
  const std::unique_ptr<PrinterSystem> printers = MakePdfPrinterSystem(pdf);
  PrintLabelsRequest request;
  request.printer = printers->DefaultPrinter();
  request.mode = *printers->DefaultDeviceMode(request.printer);
  for (int i = 0; i < 35; ++i) request.ids.push_back(std::to_wstring(300 + i));
  request.copies = 2;
  request.startSlots = {{L"HD40", 20}};
  QuietPrintJobUi yes;
  const PrintJobResult printed = PrintLabels(*printers, request, *db, library, {L"PDF"}, yes, {});
  ASSERT_EQ(printed.outcome, PrintOutcome::Completed);
  const std::string info = test::RunProcess({"/usr/bin/pdfinfo", pdf.string()}).out;

  PrintPreviewJob preview(*printers, {request.printer, request.mode, request.ids, 2, request.startSlots}, *db, library,
                          {L"PDF"}, {});
  EXPECT_EQ(preview.PageCount(), printed.pagesPrinted);
  EXPECT_NE(info.find("Pages:           " + std::to_string(preview.PageCount()) + "\n"), std::string::npos) << info;
  const QImage first = preview.Page(0, 96.0 / 1440);
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(first.width(), 816);  // US Letter at 96 dpi
  int dark = 0;
  for (int y = 0; y < first.height(); y += 2) {
    for (int x = 0; x < first.width(); x += 2) dark += qGray(first.pixel(x, y)) < 128;
  }
  EXPECT_GT(dark, 0);
  EXPECT_TRUE(preview.Page(preview.PageCount(), 0.1).isNull());

  // The window's page counter is what a screen reader hears, page by page.
  CPrintPreviewDlg window(preview, 1440);
  window.ShowPage(1);
  const QString second = QString("Page 2 of %1").arg(preview.PageCount());
  EXPECT_EQ(window.PageText()->text(), second);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.PageText())->text(QAccessible::Name), second);
}

// Pictures of the printing dialogs for a person to look at, with MIRN_SCREENSHOT_DIR set
// (under xvfb-run with QT_QPA_PLATFORM=xcb); skipped otherwise.
TEST_F(PrintDialogsTest, Screenshots) {
  const QString shots = qEnvironmentVariable("MIRN_SCREENSHOT_DIR");
  if (shots.isEmpty()) GTEST_SKIP() << "MIRN_SCREENSHOT_DIR not set";
  auto save = [&](QWidget& widget, const char* name) {
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QTest::qWait(150);
    EXPECT_TRUE(widget.grab().save(QDir(shots).filePath(QString(name) + ".png")));
  };
  CPrintDlg::Printers printers;
  printers.names = {L"Office", L"PDF"};
  printers.current = L"Office";
  printers.info = [](const std::wstring& name) -> std::optional<PrinterInfo> {
    PrinterInfo info;
    info.driver = L"Generic PostScript Printer";
    info.location = L"Second floor, room " + name;
    info.comment = L"Label sheets in tray 2";
    info.status = 0x400;
    info.queuedJobs = 1;
    return info;
  };
  CPrintDlg print(*db, library, {L"301", L"302"}, printers);
  print.Multiples()->setChecked(true);
  save(print, "print-dialog");
  CMultiLabelDlg chooser(*library.GetTemplate(L"HD40"), 7, nullptr);
  save(chooser, "first-label");
  CPrinterAdjustmentDlg adjust({L"Office", 57, -28, 0, 0}, MeasureUnit::Millimetres);
  save(adjust, "adjustment");
  const std::unique_ptr<PrinterSystem> pdf = MakePdfPrinterSystem(dir / "x.pdf");
  std::vector<std::wstring> ids;
  for (int i = 0; i < 35; ++i) ids.push_back(std::to_wstring(300 + i));
  PrintPreviewJob job(*pdf, {L"PDF", *pdf->DefaultDeviceMode(L"PDF"), ids, 1, {{L"HD40", 3}}}, *db, library, {L"PDF"},
                      {});
  CPrintPreviewDlg preview(job, 1440);
  save(preview, "preview");
}

}  // namespace
}  // namespace mirn
