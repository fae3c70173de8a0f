// Commands about the printers themselves: list them, show and set a printer's position
// adjustment.

#include <memory>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/Messages.h"
#include "cli/commands/CommandGroups.h"
#include "print/AdjustmentPages.h"
#include "print/AdjustmentUnits.h"
#include "print/PrintTexts.h"
#include "print/PrinterAdjustment.h"
#include "print/PrinterStatus.h"
#include "qt/LabelImage.h"
#include "qt/PrintTargets.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

using Json = nlohmann::ordered_json;

int Printers(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"json"}});
  parsed.ExpectPositional(0, 0);
  EnsureGuiApplication();
  const std::unique_ptr<PrinterSystem> system = MakeCupsPrinterSystem();
  PrinterSystem& printers = *system;
  const std::vector<std::wstring> names = printers.ListPrinters();
  Json list = Json::array();
  for (const std::wstring& name : names) {
    const std::optional<PrinterInfo> info = printers.Info(name);
    if (!info) continue;
    const std::wstring where = info->location.empty() ? info->port : info->location;
    const std::wstring status = PrinterStatusText(info->status, info->queuedJobs);
    if (parsed.Has("json")) {
      list.push_back({{"name", ToUtf8(name)}, {"status", ToUtf8(status)}, {"driver", ToUtf8(info->driver)},
                      {"where", ToUtf8(where)}, {"comment", ToUtf8(info->comment)}, {"shared", info->shared},
                      {"jobs", info->queuedJobs}});
    } else {
      c.out << ToUtf8(name) << '\t' << ToUtf8(status) << '\t' << ToUtf8(info->driver) << '\t' << ToUtf8(where) << '\t'
            << ToUtf8(info->comment) << '\n';
    }
  }
  if (parsed.Has("json")) {
    c.out << list.dump(2) << '\n';
  } else if (names.empty()) {
    c.err << ToUtf8(NoPrintersAvailable()) << '\n';
  }
  return kExitOk;
}

enum class AdjustUnit { Twips, Millimetres, Inches };

AdjustUnit ParseUnit(const std::optional<std::string>& text) {
  if (!text || *text == "twips") return AdjustUnit::Twips;
  if (*text == "mm") return AdjustUnit::Millimetres;
  if (*text == "in") return AdjustUnit::Inches;
  throw UsageError(TrUtf8("Cli", "--unit takes twips, mm or in"));
}

std::string Show(std::int32_t twips, AdjustUnit unit) {
  if (unit == AdjustUnit::Twips) return std::to_string(twips);
  return ToUtf8(FormatAdjustment(twips, unit == AdjustUnit::Millimetres ? MeasureUnit::Millimetres : MeasureUnit::Inches));
}

std::int32_t ParseValue(const std::wstring& text, AdjustUnit unit, const std::string& option) {
  if (unit == AdjustUnit::Twips) {
    long long v = 0;
    // The pages allow up to 10 inches either way.
    if (ParseInt(text, v) && v >= -14400 && v <= 14400) return static_cast<std::int32_t>(v);
  } else {
    const MeasureUnit m = unit == AdjustUnit::Millimetres ? MeasureUnit::Millimetres : MeasureUnit::Inches;
    if (const auto twips = ParseAdjustment(text, m)) return *twips;
  }
  throw UsageError(FormatString(TrUtf8("Cli", "--%1 takes X,Y within -200 to 200 mm or -10 to 10 inches, not '%2'"),
                                {option, ToUtf8(text)}));
}

AdjustmentPair ParsePairOption(const std::string& value, AdjustUnit unit, const std::string& option) {
  const size_t comma = value.find(',');
  if (comma == std::string::npos) {
    throw UsageError(FormatString(TrUtf8("Cli", "--%1 takes X,Y"), {option}));
  }
  return {ParseValue(FromUtf8(value.substr(0, comma)), unit, option),
          ParseValue(FromUtf8(value.substr(comma + 1)), unit, option)};
}

int Adjust(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"portrait", true}, {"landscape", true}, {"unit", true}});
  parsed.ExpectPositional(1, 1);
  const AdjustUnit unit = ParseUnit(parsed.Value("unit"));
  AdjustmentPages pages;
  if (const auto v = parsed.Value("portrait")) pages.portrait = ParsePairOption(*v, unit, "portrait");
  if (const auto v = parsed.Value("landscape")) pages.landscape = ParsePairOption(*v, unit, "landscape");

  PrinterAdjustmentStore store(PrinterAdjustmentsPath(c.folders), c.profile);
  store.SetNoticeHandler(StoreNotices(c.err));
  PrinterAdjustment a = store.Load(FromUtf8(parsed.Positional()[0]));
  if (!pages.Empty()) {
    a = MergeAdjustment(a, pages);
    std::error_code cause;
    if (!store.Save(a, &cause)) {
      ReportFileError(c.err, store.File().string(), TrUtf8("Cli", "cannot store the adjustment"), cause);
      return kExitFailed;
    }
  }
  const char* unitName = unit == AdjustUnit::Twips ? "twips" : unit == AdjustUnit::Millimetres ? "mm" : "in";
  c.out << "printer\t" << ToUtf8(a.name) << '\n'
        << "portrait\t" << Show(a.portraitX, unit) << ',' << Show(a.portraitY, unit) << '\t' << unitName << '\n'
        << "landscape\t" << Show(a.landscapeX, unit) << ',' << Show(a.landscapeY, unit) << '\t' << unitName << '\n';
  return kExitOk;
}

}  // namespace

void RegisterPrinterCommands(CommandTable& table) {
  table.Add({"printers", "[--json]", MIRN_TRANSLATABLE("Cli", "list the printers: name, status, driver, where, comment"), Printers});
  table.Add({"adjust", "PRINTER [--portrait X,Y] [--landscape X,Y] [--unit twips|mm|in]",
             MIRN_TRANSLATABLE("Cli", "show or set a printer's position adjustment"), Adjust});
}

}  // namespace mirn::cli
