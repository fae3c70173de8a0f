// The logging categories: off by default, switched on by logging rules, and the core's lines
// and the spooler's refusals reach them.
#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QStringList>

#include "platform/PrinterSystem.h"
#include "qt/CupsPrinterSystem.h"
#include "qt/Logging.h"
#include "util/DiagnosticLog.h"

namespace mirn {
namespace {

QStringList* captured = nullptr;

void Capture(QtMsgType, const QMessageLogContext& context, const QString& message) {
  if (captured) captured->append(QString::fromUtf8(context.category) + ": " + message);
}

class Logging : public ::testing::Test {
 protected:
  Logging() {
    captured = &lines_;
    previous_ = qInstallMessageHandler(Capture);
    InstallCoreLogSink();
  }
  ~Logging() override {
    QLoggingCategory::setFilterRules(QString());
    diag::SetLogSink({});
    qInstallMessageHandler(previous_);
    captured = nullptr;
  }

  QStringList lines_;
  QtMessageHandler previous_ = nullptr;
};

TEST_F(Logging, CategoriesAreOffUntilTheRulesSwitchThemOn) {
  diag::LogLine(diag::kStore, "save of a.mrb failed");
  EXPECT_TRUE(lines_.isEmpty()) << lines_.join('\n').toStdString();
  EXPECT_FALSE(lcStore().isDebugEnabled());

  QLoggingCategory::setFilterRules(QStringLiteral("mirn.*=true"));
  diag::LogLine(diag::kStore, "save of a.mrb failed");
  diag::LogLine(diag::kExchange, "import of b.csv stopped");
  EXPECT_EQ(lines_, (QStringList{"mirn.store: save of a.mrb failed", "mirn.exchange: import of b.csv stopped"}));

  lines_.clear();
  QLoggingCategory::setFilterRules(QStringLiteral("mirn.print=true"));
  diag::LogLine(diag::kStore, "not wanted");
  EXPECT_TRUE(lines_.isEmpty());
}

TEST_F(Logging, APrinterTheSpoolerDoesNotKnowLeavesOneLine) {
  QLoggingCategory::setFilterRules(QStringLiteral("mirn.print=true"));
  CupsPrinterSystem printers;
  EXPECT_EQ(printers.StartDocument(L"No Such Printer 7", DeviceMode{}, L"labels"), nullptr);
  ASSERT_EQ(lines_.size(), 1);
  EXPECT_EQ(lines_[0], QStringLiteral("mirn.print: printer \"No Such Printer 7\" is not known to the spooler"));
}

}  // namespace
}  // namespace mirn
