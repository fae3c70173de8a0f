#pragma once
// Diagnostic lines for bug reports. The core says one line under a category ("mirn.store")
// when something fails that a person may want to report (a save that failed, a lock that was
// refused), with the cause. Where the lines go is the program's choice: the Qt layers pass
// them to QLoggingCategory, off until QT_LOGGING_RULES switches them on. Without a sink the
// lines are dropped, so tests and tools that install none see nothing.

#include <functional>
#include <string_view>

namespace mirn::diag {

inline constexpr std::string_view kStore = "mirn.store";        // databases: open, lock, save
inline constexpr std::string_view kPrint = "mirn.print";        // printers and print jobs
inline constexpr std::string_view kExchange = "mirn.exchange";  // import and export

using LogSink = std::function<void(std::string_view category, std::string_view line)>;

// Installs the sink (empty: drop lines). Set it once at start-up, before any other thread runs.
void SetLogSink(LogSink sink);
// Passes one line to the sink, if there is one.
void LogLine(std::string_view category, std::string_view line);

}  // namespace mirn::diag
