// Commands about printing: print a database's labels (or a calibration sheet) to a printer
// or a PDF file, list the printers, show and set a printer's adjustment.

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <map>
#include <iostream>
#include <memory>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/ChosenExtensions.h"
#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/Messages.h"
#include "cli/commands/CommandGroups.h"
#include "db/DbResult.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "print/AdjustmentUnits.h"
#include "print/CalibrationSheet.h"
#include "print/CurrentPrinter.h"
#include "print/PrintOverflow.h"
#include "print/PaperChoice.h"
#include "print/PartialSheets.h"
#include "print/PrintLabels.h"
#include "print/PrintTexts.h"
#include "print/PrinterSettings.h"
#include "print/PrinterStatus.h"
#include "qt/LabelImage.h"
#include "qt/PdfPrinterSystem.h"
#include "qt/PrintTargets.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

// Ctrl+C during a job is the progress window's Stop: the job ends after the label being
// drawn and the document is still finished.
volatile std::sig_atomic_t stopPressed = 0;

class StopOnInterrupt {
 public:
  StopOnInterrupt() {
    stopPressed = 0;
    struct sigaction action {};
    action.sa_handler = [](int) { stopPressed = 1; };
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
  }
  ~StopOnInterrupt() { sigaction(SIGINT, &previous_, nullptr); }
  StopOnInterrupt(const StopOnInterrupt&) = delete;
  StopOnInterrupt& operator=(const StopOnInterrupt&) = delete;

 private:
  struct sigaction previous_ {};
};

using Json = nlohmann::ordered_json;

// The person's side of a print job on the command line: each run's ready text on standard
// output and its answer from --yes or from standard input; messages and progress on
// standard error. The start slot of each run is chosen before the job (--start-slot, or
// where the layout's last sheet on the printer ended).
class CliPrintUi final : public PrintJobUi {
 public:
  CliPrintUi(Context& c, bool yes) : c_(c), yes_(yes) {}

  bool ConfirmRun(const PrintRun& run, const RunLayout& layout, int copies, int& startSlot) override {
    const int slots = std::max(1, layout.slotsPerSheet);
    const long long labels = static_cast<long long>(run.ids.size());
    c_.out << ToUtf8(ReadyText(labels, copies, layout.groupName, layout.description,
                               SheetsRequired(labels, copies, slots, startSlot)))
           << '\n';
    if (slots > 1) {
      // The window's note tells to click a button; here the first label is an option.
      c_.out << "This layout has more than one label per page. To start printing on another label, give --start-slot "
             << ToUtf8(run.typeCode) << "=N (N from 1 to " << slots << "). First label: "
             << ToUtf8(SlotName(startSlot)) << '\n';
    }
    if (yes_) return true;
    c_.out << "Print or Cancel? " << std::flush;
    std::string answer;
    if (!std::getline(c_.in, answer)) {
      c_.out << "\n";
      return false;
    }
    const std::wstring word = ToLower(Trim(FromUtf8(answer)));
    return word == L"p" || word == L"print" || word == L"y" || word == L"yes";
  }
  void ShowMessage(const std::wstring& text, MessageIcon) override { c_.err << ToUtf8(text) << '\n'; }
  void BeginProgress(long long range) override {
    range_ = range;
    done_ = 0;
  }
  void ProgressLine(const std::wstring& line) override {
    if (c_.errIsTerminal) c_.err << '\r' << ToUtf8(line) << " (" << done_ * 100 / std::max(1LL, range_) << "%)\x1b[K";
  }
  void ProgressStep(long long step) override { done_ += step; }
  bool StopRequested() override { return stopPressed != 0; }
  void EndProgress() override {
    if (c_.errIsTerminal) c_.err << "\r\x1b[K";
  }

 private:
  Context& c_;
  bool yes_ = false;
  long long range_ = 0;
  long long done_ = 0;
};

// --start-slot values: "N" for every layout of the job, "TYPE=N" for one layout (may be
// repeated). Labels count from 1 here.
struct StartSlotOptions {
  std::optional<long long> all;
  std::map<std::wstring, long long> byType;
};

StartSlotOptions ParseStartSlots(const ParsedArgs& parsed) {
  StartSlotOptions options;
  for (const std::string& value : parsed.Values("start-slot")) {
    const size_t equals = value.find('=');
    const std::wstring type = equals == std::string::npos ? L"" : ToUpper(Trim(FromUtf8(value.substr(0, equals))));
    long long label = 0;
    if (!ParseInt(Trim(FromUtf8(equals == std::string::npos ? value : value.substr(equals + 1))), label) || label < 1) {
      throw UsageError("--start-slot takes N or TYPE=N, labels counted from 1, not '" + value + "'");
    }
    if (equals != std::string::npos && type.empty()) throw UsageError("--start-slot " + value + ": no layout type");
    if (type.empty()) {
      if (options.all) throw UsageError("--start-slot N is given twice; name the layout: --start-slot TYPE=N");
      options.all = label;
    } else if (!options.byType.emplace(type, label).second) {
      throw UsageError("--start-slot " + ToUtf8(type) + "= is given twice");
    }
  }
  return options;
}

// The chosen start slots (0-based) of the job's layouts. A slot beyond a layout's sheet, or a
// layout that none of the chosen extensions has, is a usage error: printing from another
// label than the one asked for would spend the wrong labels.
std::map<std::wstring, int> ChosenStartSlots(const StartSlotOptions& options, const std::vector<std::wstring>& ids,
                                             MRBBase& db, DDFLibrary& library) {
  std::map<std::wstring, int> slotsOf;  // slots per sheet of each layout of the job
  for (const std::wstring& id : ids) {
    const std::wstring type = db.GetTypeCode(id);
    if (type.empty() || slotsOf.count(type)) continue;
    int slots = 0;
    if (library.Contains(type)) {
      try {
        slots = static_cast<int>(library.GetTemplate(type)->GetSlots().size());
      } catch (const std::exception&) {
        slots = 0;  // the job reports the unreadable layout
      }
    }
    slotsOf[type] = slots;
  }
  std::map<std::wstring, int> chosen;
  auto choose = [&](const std::wstring& type, int slots, long long label, const std::string& option) {
    if (slots == 0) return;  // no layout: the run is skipped with its own message
    if (label > slots) {
      throw UsageError("--start-slot " + option + ": the layout " + ToUtf8(type) + " has " + std::to_string(slots) +
                       " label" + (slots == 1 ? "" : "s") + " per sheet");
    }
    chosen[type] = static_cast<int>(label - 1);
  };
  for (const auto& [type, label] : options.byType) {
    const auto found = slotsOf.find(type);
    if (found == slotsOf.end()) {
      throw UsageError("--start-slot " + ToUtf8(type) + "=" + std::to_string(label) +
                       ": none of the chosen extensions has the layout " + ToUtf8(type));
    }
    choose(type, found->second, label, ToUtf8(type) + "=" + std::to_string(label));
  }
  if (options.all) {
    for (const auto& [type, slots] : slotsOf) {
      if (!options.byType.count(type)) choose(type, slots, *options.all, std::to_string(*options.all));
    }
  }
  return chosen;
}

// The paper of a PDF: --paper, else the one the system prefers.
std::int16_t PdfPaper(const ParsedArgs& parsed) {
  const std::optional<std::string> name = parsed.Value("paper");
  if (!name) return PreferredPaper(SystemPaperSources());
  const std::optional<std::int16_t> paper = PaperFromName(*name);
  if (!paper) throw UsageError("--paper takes a4 or letter, not '" + *name + "'");
  return *paper;
}

// Whether a PDF can be tried at `file`: its folder must exist, be a folder and be writable.
// False when it cannot, with the reason reported.
bool CheckOutputFolderOrReport(const std::filesystem::path& file, Context& c) {
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code error;
  const auto status = std::filesystem::status(folder, error);
  if (error || !std::filesystem::exists(status)) {
    ReportFile(c.err, file.string(), "cannot write: the folder " + folder.string() + " does not exist", ENOENT);
    return false;
  }
  if (!std::filesystem::is_directory(status)) {
    ReportFile(c.err, file.string(), "cannot write: " + folder.string() + " is not a folder", ENOTDIR);
    return false;
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    ReportFileError(c.err, file.string(), "cannot write", std::error_code(errno, std::generic_category()));
    return false;
  }
  return true;
}

// The target of a print command: a PDF file or a printer of the spooler, with the device
// mode the job prints with.
struct Target {
  std::unique_ptr<PrinterSystem> system;
  std::wstring printer;
  DeviceMode mode;
};

std::optional<Target> OpenTarget(const ParsedArgs& parsed, Context& c) {
  const bool pdf = parsed.Has("pdf");
  if (pdf == parsed.Has("printer")) throw UsageError("give one of --pdf OUT.pdf and --printer NAME");
  EnsureGuiApplication();
  Target t;
  if (pdf) {
    const std::filesystem::path file = ToPath(FromUtf8(*parsed.Value("pdf")));
    if (!CheckOutputFolderOrReport(file, c)) return std::nullopt;
    t.system = MakePdfPrinterSystem(file, PdfPaper(parsed));
    t.printer = t.system->DefaultPrinter();
    t.mode = *t.system->DefaultDeviceMode(t.printer);
    return t;
  }
  t.system = MakeCupsPrinterSystem();
  t.printer = FromUtf8(*parsed.Value("printer"));
  const std::vector<std::wstring> names = t.system->ListPrinters();
  if (names.empty()) {
    c.err << ToUtf8(kNoPrintersAvailable) << '\n';
    return std::nullopt;
  }
  // The printer becomes the program's printer, with the paper and quality the user last
  // printed with on it.
  PrinterSettingsStore store;
  const auto file = PrinterSettingsPath(c.folders);
  store.Load(file, c.clock.Now());
  CurrentPrinter current(*t.system, store, c.clock);
  if (std::find(names.begin(), names.end(), t.printer) == names.end() || !current.Select(t.printer)) {
    c.err << ToUtf8(CannotSelectPrinterText(t.printer)) << '\n';
    return std::nullopt;
  }
  t.mode = *current.GetPrinterDefaults();
  store.Save(file, current.GetCurrentPrinterName());
  return t;
}

int ReportOutcome(const PrintJobResult& result, const std::string& where, Context& c) {
  switch (result.outcome) {
    case PrintOutcome::Completed:
      if (result.pagesPrinted == 0) {
        ReportFile(c.err, where, "nothing was printed", EIO);
        return kExitFailed;
      }
      if (!result.documentEnded) {
        ReportFile(c.err, where, "the document could not be finished and may be incomplete", EIO);
        return kExitFailed;
      }
      c.out << "Printed " << result.labelsPrinted << " label" << (result.labelsPrinted == 1 ? "" : "s") << " on "
            << result.pagesPrinted << " page" << (result.pagesPrinted == 1 ? "" : "s") << " to " << where << '\n';
      return kExitOk;
    case PrintOutcome::Cancelled:
      ReportFile(c.err, where,
                 std::string("cancelled") + (result.pagesPrinted ? "; the runs before were printed" : "; nothing was printed"),
                 ECANCELED);
      return kExitFailed;
    case PrintOutcome::Stopped:
      ReportFile(c.err, where, "stopped after " + CountOf(result.labelsPrinted, "label", "labels"), ECANCELED);
      return kExitFailed;
    case PrintOutcome::DocumentFailed:
      return kExitFailed;
  }
  return kExitFailed;
}

std::string WhereText(const ParsedArgs& parsed) {
  return parsed.Has("pdf") ? *parsed.Value("pdf") : "printer " + *parsed.Value("printer");
}

int PrintCalibration(const ParsedArgs& parsed, Context& c) {
  parsed.ExpectPositional(0, 0);
  std::optional<Target> target = OpenTarget(parsed, c);
  if (!target) return kExitFailed;
  PrinterAdjustmentStore adjustments(PrinterAdjustmentsPath(c.folders), c.profile);
  adjustments.SetNoticeHandler(StoreNotices(c.err));
  switch (PrintCalibrationSheet(*target->system, target->printer, target->mode, adjustments)) {
    case CalibrationOutcome::Printed:
      break;
    case CalibrationOutcome::NoPrinter:
      c.err << ToUtf8(kNoPrinterInstalled) << '\n';
      return kExitFailed;
    case CalibrationOutcome::PrintingError:
      c.err << ToUtf8(kPrintingError) << '\n';
      return kExitFailed;
  }
  c.out << "Printed a calibration sheet to " << WhereText(parsed) << '\n';
  return kExitOk;
}

int Print(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"ids", true}, {"copies", true}, {"start-slot", true, true}, {"pdf", true},
                                       {"printer", true}, {"paper", true}, {"yes"}, {"calibration"}});
  if (parsed.Has("paper") && !parsed.Has("pdf")) throw UsageError("--paper is for --pdf; a printer prints on its own paper");
  if (parsed.Has("calibration")) return PrintCalibration(parsed, c);
  parsed.ExpectPositional(1, 1);
  const long long copies = parsed.IntValue("copies").value_or(1);
  if (copies < kMinCopies || copies > kMaxCopies) throw UsageError("--copies takes 1 to 1000");
  const StartSlotOptions startSlots = ParseStartSlots(parsed);
  if (parsed.Has("pdf") == parsed.Has("printer")) throw UsageError("give one of --pdf OUT.pdf and --printer NAME");

  const std::filesystem::path file = ToPath(FromUtf8(parsed.Positional()[0]));
  std::unique_ptr<MRBBase> db = OpenToReadOrReport(parsed.Positional()[0], c);
  if (!db) return kExitFailed;
  // The PDF may not be the database printed (held open now) or any other open database.
  std::error_code refused;
  if (const auto pdf = parsed.Value("pdf"); pdf && !OutputFile::CheckTarget(ToPath(FromUtf8(*pdf)), &refused)) {
    ReportFileError(c.err, *pdf, "cannot write", refused);
    return kExitFailed;
  }
  ReportUnwalkable(*db, parsed.Positional()[0], c);
  const std::vector<std::wstring> ids = ChosenExtensions(parsed, *db, parsed.Positional()[0], c.err);
  if (db->GetExtensionCount() == 0 || ids.empty()) {
    ReportFile(c.err, parsed.Positional()[0], "nothing to print: no extensions chosen", db::kNoSuchExtension);
    return kExitFailed;
  }

  DDFLibrary library(c.folders);
  library.ScanAll();
  std::map<std::wstring, int> chosenSlots = ChosenStartSlots(startSlots, ids, *db, library);
  std::optional<Target> target = OpenTarget(parsed, c);
  if (!target) return kExitFailed;
  target->mode.orientation = JobOrientation(ids, *db, library);
  target->mode.fields |= kDmOrientation;

  PrinterAdjustmentStore adjustments(PrinterAdjustmentsPath(c.folders), c.profile);
  adjustments.SetNoticeHandler(StoreNotices(c.err));
  const PrinterAdjustment adjustment = adjustments.Load(target->printer);
  const std::unique_ptr<PictureLoader> pictures = MakePictureLoader();
  const PictureSource source{pictures.get(), std::filesystem::absolute(file).parent_path(), &c.folders};

  // Text that will not fit is worth a warning before paper is spent; `check` lists it.
  const std::optional<PrinterCapabilities> caps = target->system->Capabilities(target->printer, target->mode);
  if (caps) {
    const std::unique_ptr<Canvas> measuring = MakeMeasuringCanvas(caps->dpiX, caps->dpiY);
    const size_t overflowing = FindOverflowingFields(ids, *db, library, *measuring).size();
    if (overflowing > 0) {
      c.err << "Warning: " << overflowing << (overflowing == 1 ? " field has" : " fields have")
            << " more text than fits; 'mirn-cli check " << parsed.Positional()[0] << "' lists them.\n";
    }
  }

  // A printer's half-used sheets are continued; each PDF is new paper.
  PartialSheetStore partialSheets(PartialSheetsPath(c.folders));
  partialSheets.SetNoticeHandler(StoreNotices(c.err));
  PrintLabelsRequest request;
  request.printer = target->printer;
  request.mode = target->mode;
  request.title = FromPath(file.filename());
  request.ids = ids;
  request.copies = static_cast<int>(copies);
  request.startSlots = std::move(chosenSlots);
  if (parsed.Has("printer")) request.partialSheets = &partialSheets;
  CliPrintUi ui(c, parsed.Has("yes"));
  const StopOnInterrupt stopOnInterrupt;
  const PrintJobResult result = PrintLabels(*target->system, request, *db, library, adjustment, ui, source);
  if (const auto* pdf = dynamic_cast<const PdfPrinterSystem*>(target->system.get()); pdf && pdf->LastError()) {
    const bool kept = std::filesystem::exists(pdf->File());
    ReportFileError(c.err, pdf->File().string(),
                    kept ? "cannot write (the file keeps its previous content)" : "cannot write", pdf->LastError());
    return kExitFailed;
  }
  return ReportOutcome(result, WhereText(parsed), c);
}

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
    c.err << ToUtf8(kNoPrintersAvailable) << '\n';
  }
  return kExitOk;
}

enum class AdjustUnit { Twips, Millimetres, Inches };

AdjustUnit ParseUnit(const std::optional<std::string>& text) {
  if (!text || *text == "twips") return AdjustUnit::Twips;
  if (*text == "mm") return AdjustUnit::Millimetres;
  if (*text == "in") return AdjustUnit::Inches;
  throw UsageError("--unit takes twips, mm or in");
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
  throw UsageError("--" + option + " takes X,Y within -200 to 200 mm or -10 to 10 inches, not '" + ToUtf8(text) + "'");
}

std::pair<std::int32_t, std::int32_t> ParsePairOption(const std::string& value, AdjustUnit unit, const std::string& option) {
  const size_t comma = value.find(',');
  if (comma == std::string::npos) throw UsageError("--" + option + " takes X,Y");
  return {ParseValue(FromUtf8(value.substr(0, comma)), unit, option),
          ParseValue(FromUtf8(value.substr(comma + 1)), unit, option)};
}

int Adjust(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"portrait", true}, {"landscape", true}, {"unit", true}});
  parsed.ExpectPositional(1, 1);
  const AdjustUnit unit = ParseUnit(parsed.Value("unit"));
  std::optional<std::pair<std::int32_t, std::int32_t>> portrait;
  std::optional<std::pair<std::int32_t, std::int32_t>> landscape;
  if (const auto v = parsed.Value("portrait")) portrait = ParsePairOption(*v, unit, "portrait");
  if (const auto v = parsed.Value("landscape")) landscape = ParsePairOption(*v, unit, "landscape");

  PrinterAdjustmentStore store(PrinterAdjustmentsPath(c.folders), c.profile);
  store.SetNoticeHandler(StoreNotices(c.err));
  PrinterAdjustment a = store.Load(FromUtf8(parsed.Positional()[0]));
  if (portrait || landscape) {
    // Each pair given replaces its own values alone, as the adjustment pages do.
    if (portrait) std::tie(a.portraitX, a.portraitY) = *portrait;
    if (landscape) std::tie(a.landscapeX, a.landscapeY) = *landscape;
    std::error_code cause;
    if (!store.Save(a, &cause)) {
      ReportFileError(c.err, store.File().string(), "cannot store the adjustment", cause);
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

void RegisterPrintCommands(CommandTable& table) {
  table.Add({"print",
             "FILE [--ids A,B,...] [--copies N] [--start-slot N | --start-slot TYPE=N ...]"
             " (--pdf OUT.pdf [--paper a4|letter] | --printer NAME) [--yes]"
             " | --calibration (--pdf OUT.pdf [--paper a4|letter] | --printer NAME)",
             "print a database's labels (each layout asks Print or Cancel), or a calibration sheet", Print});
  table.Add({"printers", "[--json]", "list the printers: name, status, driver, where, comment", Printers});
  table.Add({"adjust", "PRINTER [--portrait X,Y] [--landscape X,Y] [--unit twips|mm|in]",
             "show or set a printer's position adjustment", Adjust});
}

}  // namespace mirn::cli
