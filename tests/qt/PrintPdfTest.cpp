// The PDF target: pages at true size on the sheet's paper, text kept as text with embedded
// fonts, and files that are only replaced by a document with pages.

#include <QFont>
#include <QPainter>
#include <filesystem>

#include <gtest/gtest.h>

#include "qt/PainterDocument.h"
#include "qt/PdfPrinterSystem.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

std::string RunTool(const std::vector<std::string>& argv) {
  const test::ProcessResult r = test::RunProcess(argv);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  return r.out;
}

void DrawWord(PrintDocument& doc, int xTwips, int yTwips, const char* word) {
  QPainter& p = static_cast<PainterDocument&>(doc).Painter();
  p.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
  p.drawText(QPointF(xTwips, yTwips), QString::fromUtf8(word));
}

TEST(PrintPdf, PagesAtTrueSizeWithTextKept) {
  test::TempDir dir;
  const fs::path file = dir / "out.pdf";
  PdfPrinterSystem pdf(file);
  DeviceMode mode = *pdf.DefaultDeviceMode(PdfPrinterSystem::kPrinterName);
  const PrinterCapabilities caps = *pdf.Capabilities(PdfPrinterSystem::kPrinterName, mode);
  EXPECT_EQ(caps.horzRes, 12240);
  EXPECT_EQ(caps.vertRes, 15840);
  EXPECT_EQ(caps.offsetLeft, 0);

  auto doc = pdf.StartDocument(PdfPrinterSystem::kPrinterName, mode, L"Sheet test");
  ASSERT_TRUE(doc);
  ASSERT_TRUE(doc->StartPage());
  DrawWord(*doc, 1440, 2880, "Alpha");
  ASSERT_TRUE(doc->EndPage());
  ASSERT_TRUE(doc->StartPage());
  DrawWord(*doc, 7200, 720, "Beta");
  ASSERT_TRUE(doc->EndPage());
  ASSERT_TRUE(doc->End());

  const std::string bbox = RunTool({"/usr/bin/pdftotext", "-bbox", file.string(), "-"});
  EXPECT_NE(bbox.find("<page width=\"612.000000\" height=\"792.000000\">"), std::string::npos) << bbox;
  const size_t alpha = bbox.find(">Alpha</word>");
  const size_t beta = bbox.find(">Beta</word>");
  ASSERT_NE(alpha, std::string::npos) << bbox;
  ASSERT_NE(beta, std::string::npos) << bbox;
  EXPECT_NE(bbox.find("</page>"), bbox.rfind("</page>"));  // two pages
  // 1440 twips are one inch, 72 points: the word starts there (within its side bearing).
  const double alphaX = std::stod(bbox.substr(bbox.rfind("xMin=\"", alpha) + 6));
  const double betaX = std::stod(bbox.substr(bbox.rfind("xMin=\"", beta) + 6));
  EXPECT_NEAR(alphaX, 72.0, 0.7);
  EXPECT_NEAR(betaX, 360.0, 0.7);
  const std::string fonts = RunTool({"/usr/bin/pdffonts", file.string()});
  EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
  EXPECT_NE(fonts.find(" yes "), std::string::npos) << fonts;  // embedded
  EXPECT_FALSE(fs::exists(dir / "out.pdf.part"));
}

TEST(PrintPdf, LandscapeTurnsThePageAndEmptyDocumentsLeaveTheOldFile) {
  test::TempDir dir;
  const fs::path file = dir / "out.pdf";
  test::WriteFile(file, "previous");
  PdfPrinterSystem pdf(file);
  DeviceMode mode = *pdf.DefaultDeviceMode(PdfPrinterSystem::kPrinterName);
  mode.orientation = kOrientationLandscape;
  EXPECT_EQ(pdf.Capabilities(PdfPrinterSystem::kPrinterName, mode)->horzRes, 15840);

  auto empty = pdf.StartDocument(PdfPrinterSystem::kPrinterName, mode, L"Nothing");
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->End());
  EXPECT_EQ(test::ReadFile(file), "previous");
  EXPECT_FALSE(fs::exists(dir / "out.pdf.part"));

  auto doc = pdf.StartDocument(PdfPrinterSystem::kPrinterName, mode, L"Wide");
  ASSERT_TRUE(doc->StartPage());
  DrawWord(*doc, 1440, 1440, "Wide");
  doc.reset();  // destroying the document ends it
  const std::string bbox = RunTool({"/usr/bin/pdftotext", "-bbox", file.string(), "-"});
  EXPECT_NE(bbox.find("<page width=\"792.000000\" height=\"612.000000\">"), std::string::npos) << bbox;
  EXPECT_FALSE(pdf.StartDocument(L"Another", mode, L"x"));
}

}  // namespace
}  // namespace mirn
