#include "util/DiagnosticLog.h"

#include <utility>

namespace mirn::diag {
namespace {

LogSink& Sink() {
  static LogSink sink;
  return sink;
}

}  // namespace

void SetLogSink(LogSink sink) { Sink() = std::move(sink); }

void LogLine(std::string_view category, std::string_view line) {
  if (const LogSink& sink = Sink()) sink(category, line);
}

}  // namespace mirn::diag
