// A PDF written by Qt's engine, compacted, still reads the same text at the same places.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPdfWriter>

#include "print/PdfCompactor.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

std::string Words(const std::filesystem::path& pdf) {
  return test::RunProcess({"/usr/bin/pdftotext", "-bbox", pdf.string(), "-"}).out;
}

// A page as Qt writes it, compacted: smaller, the same words, each within a twentieth of a
// point of where Qt put it (half a unit of 1/1440 inch is 0.025 point).
TEST(PdfCompactor, QtPdfReadsTheSameAfterwards) {
  test::TempDir dir;
  const auto original = dir / "qt.pdf";
  {
    QPdfWriter writer(QString::fromStdString(original.string()));
    writer.setResolution(1440);
    QPainter painter(&writer);
    QFont font("Liberation Sans");
    font.setPixelSize(240);
    font.setKerning(false);
    painter.setFont(font);
    for (int i = 0; i < 20; ++i) {
      painter.save();
      painter.setPen(Qt::black);
      painter.restore();
      painter.drawText(200, 400 + i * 300, QString("Extension holder %1, Department %2").arg(i).arg(i % 7));
    }
  }
  const std::string bytes = test::ReadFile(original);
  const std::string compact = CompactPdf(bytes);
  EXPECT_LT(compact.size(), bytes.size());
  const auto rewritten = dir / "compact.pdf";
  test::WriteFile(rewritten, compact);
  const std::string before = Words(original);
  const std::string after = Words(rewritten);
  auto numbers = [](const std::string& text, const char* key) {
    std::vector<double> v;
    for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
      v.push_back(std::stod(text.substr(at + std::string(key).size() + 2)));
    }
    return v;
  };
  for (const char* key : {"xMin", "yMin", "xMax"}) {
    const auto a = numbers(before, key);
    const auto b = numbers(after, key);
    ASSERT_EQ(a.size(), b.size()) << key;
    ASSERT_GT(a.size(), 20u);
    for (size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], 0.05) << key << ' ' << i;
  }
  EXPECT_NE(test::RunProcess({"/usr/bin/pdfinfo", rewritten.string()}).out.find("Pages:           1\n"),
            std::string::npos);
}

}  // namespace
}  // namespace mirn
