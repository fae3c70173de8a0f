#include "print/PrinterStatus.h"

#include <iterator>

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

struct StatusText {
  std::uint32_t value = 0;
  const char* text = nullptr;  // English; translated in context "PrinterStatus"
};

constexpr StatusText kStatusTexts[] = {
    {0x1, MIRN_TRANSLATABLE("PrinterStatus", "Paused")},
    {0x2, MIRN_TRANSLATABLE("PrinterStatus", "Error")},
    {0x4, MIRN_TRANSLATABLE("PrinterStatus", "The printer is being deleted")},
    {0x8, MIRN_TRANSLATABLE("PrinterStatus", "Paper jam")},
    {0x10, MIRN_TRANSLATABLE("PrinterStatus", "Out of paper")},
    {0x20, MIRN_TRANSLATABLE("PrinterStatus", "Manual feed")},
    {0x40, MIRN_TRANSLATABLE("PrinterStatus", "Paper problem")},
    {0x80, MIRN_TRANSLATABLE("PrinterStatus", "Offline")},
    {0x100, MIRN_TRANSLATABLE("PrinterStatus", "Active")},
    {0x200, MIRN_TRANSLATABLE("PrinterStatus", "Busy")},
    {0x400, MIRN_TRANSLATABLE("PrinterStatus", "Printing")},
    {0x800, MIRN_TRANSLATABLE("PrinterStatus", "Output bin full")},
    {0x1000, MIRN_TRANSLATABLE("PrinterStatus", "Not available")},
    {0x2000, MIRN_TRANSLATABLE("PrinterStatus", "Waiting")},
    {0x4000, MIRN_TRANSLATABLE("PrinterStatus", "Processing a print job")},
    {0x8000, MIRN_TRANSLATABLE("PrinterStatus", "Initializing")},
    {0x10000, MIRN_TRANSLATABLE("PrinterStatus", "Warming up")},
    {0x20000, MIRN_TRANSLATABLE("PrinterStatus", "Low toner")},
    {0x40000, MIRN_TRANSLATABLE("PrinterStatus", "Out of toner")},
    {0x80000, MIRN_TRANSLATABLE("PrinterStatus", "Cannot print the current page")},
    {0x100000, MIRN_TRANSLATABLE("PrinterStatus", "Printer error")},
    {0x200000, MIRN_TRANSLATABLE("PrinterStatus", "Out of memory")},
    {0x400000, MIRN_TRANSLATABLE("PrinterStatus", "Printer door open")},
    {0x800000, MIRN_TRANSLATABLE("PrinterStatus", "Unknown")},
    {0x1000000, MIRN_TRANSLATABLE("PrinterStatus", "Power save mode")},
};

// State reasons by seriousness: the first one a printer reports wins.
struct ReasonBit {
  std::string_view reason;
  std::uint32_t bit;
};
constexpr ReasonBit kReasons[] = {
    {"media-jam", 0x8},
    {"door-open", 0x400000},
    {"cover-open", 0x400000},
    {"interlock-open", 0x400000},
    {"toner-empty", 0x40000},
    {"marker-supply-empty", 0x40000},
    {"media-empty", 0x10},
    {"media-needed", 0x10},
    {"input-tray-missing", 0x40},
    {"output-area-full", 0x800},
    {"output-tray-missing", 0x800},
    {"offline", 0x80},
    {"shutdown", 0x80},
    {"connecting-to-device", 0x8000},
    {"paused", 0x1},
    {"moving-to-paused", 0x1},
    {"spool-area-full", 0x200000},
    {"toner-low", 0x20000},
    {"marker-supply-low", 0x20000},
    {"media-low", 0x40},
    {"other", 0x100000},
};

// "media-jam-error" → "media-jam": CUPS may add the severity to a reason.
std::string_view WithoutSeverity(std::string_view reason) {
  for (std::string_view suffix : {"-error", "-warning", "-report"}) {
    if (reason.size() > suffix.size() && reason.substr(reason.size() - suffix.size()) == suffix) {
      return reason.substr(0, reason.size() - suffix.size());
    }
  }
  return reason;
}

}  // namespace

std::wstring PrinterStatusText(std::uint32_t status, int queuedJobs) {
  for (const StatusText& entry : kStatusTexts) {
    if (entry.value == status) {
      return FormatString(TrN("PrinterStatus", "%1; %n documents waiting", "%1; %n document waiting", queuedJobs),
                          {Tr("PrinterStatus", entry.text)});
    }
  }
  return Tr("PrinterStatus", "Ready");
}

std::uint32_t StatusFromCups(int state, const std::vector<std::string>& reasons) {
  for (const ReasonBit& known : kReasons) {
    for (const std::string& reason : reasons) {
      if (WithoutSeverity(reason) == known.reason) return known.bit;
    }
  }
  if (state == kCupsStopped) return 0x1;
  if (state == kCupsProcessing) return 0x400;
  return 0;
}

}  // namespace mirn
