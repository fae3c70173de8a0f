#pragma once
// The status line of a printer, and the status bit a CUPS printer's state maps onto.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mirn {

// The status word's text: for a word equal to one of the table's values, that value's text
// followed by "; N documents waiting"; for anything else (0 included) "Ready".
std::wstring PrinterStatusText(std::uint32_t status, int queuedJobs);

// CUPS printer states (IPP printer-state).
inline constexpr int kCupsIdle = 3;
inline constexpr int kCupsProcessing = 4;
inline constexpr int kCupsStopped = 5;

// The one status bit that best describes a CUPS printer: the most serious of its state
// reasons ("media-jam-error", "toner-low-warning"… with or without their severity suffix),
// else its state (stopped is paused, processing is printing). 0 is ready.
std::uint32_t StatusFromCups(int state, const std::vector<std::string>& reasons);

}  // namespace mirn
