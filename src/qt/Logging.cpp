#include "qt/Logging.h"

#include <string>

#include "util/DiagnosticLog.h"

namespace mirn {

// Each category is on from info up; its lines are debug messages, so it says nothing until
// the rules switch its debug level on.
Q_LOGGING_CATEGORY(lcStore, "mirn.store", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPrint, "mirn.print", QtInfoMsg)
Q_LOGGING_CATEGORY(lcExchange, "mirn.exchange", QtInfoMsg)
Q_LOGGING_CATEGORY(lcGui, "mirn.gui", QtInfoMsg)

void InstallCoreLogSink() {
  diag::SetLogSink([](std::string_view category, std::string_view line) {
    const QLoggingCategory& target = category == diag::kPrint      ? lcPrint()
                                     : category == diag::kExchange ? lcExchange()
                                     : category == diag::kStore    ? lcStore()
                                                                   : lcGui();
    qCDebug(target).noquote() << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  });
}

}  // namespace mirn
