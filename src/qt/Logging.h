#pragma once
// The program's logging categories. Every line is a debug message, so each category is off
// until switched on, for example QT_LOGGING_RULES='mirn.*=true' (docs/architecture.md).

#include <QLoggingCategory>

namespace mirn {

Q_DECLARE_LOGGING_CATEGORY(lcStore)
Q_DECLARE_LOGGING_CATEGORY(lcPrint)
Q_DECLARE_LOGGING_CATEGORY(lcExchange)
Q_DECLARE_LOGGING_CATEGORY(lcGui)

// Sends the core's diagnostic lines (util/DiagnosticLog.h) to the category of their name.
void InstallCoreLogSink();

}  // namespace mirn
