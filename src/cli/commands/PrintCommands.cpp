// Commands that print: a database's labels, or a calibration sheet, to a printer or a PDF
// file, through the same print controller as the window's Print command.

#include <cerrno>
#include <map>
#include <memory>
#include <ostream>

#include "cli/ChosenExtensions.h"
#include "cli/StartSlotOptions.h"
#include "cli/CutLabelsReport.h"
#include "cli/CliPrintJobUi.h"
#include "cli/CliPrinting.h"
#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/Messages.h"
#include "cli/commands/CommandGroups.h"
#include "db/DbResult.h"
#include "platform/OutputFile.h"
#include "print/CalibrationSheet.h"
#include "print/PdfTarget.h"
#include "print/PrintController.h"
#include "print/PrintTexts.h"
#include "templates/CDDFTemplate.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

int ReportOutcome(const PrintJobResult& result, const std::string& where, Context& c) {
  switch (result.outcome) {
    case PrintOutcome::Completed:
      if (result.pagesPrinted == 0) {
        ReportFile(c.err, where, TrUtf8("Cli", "nothing was printed"), EIO);
        return kExitFailed;
      }
      if (!result.documentEnded) {
        ReportFile(c.err, where, TrUtf8("Cli", "the document could not be finished and may be incomplete"), EIO);
        return kExitFailed;
      }
      c.out << FormatString(TrNUtf8("Cli", "Printed %n labels on %1 to %2", "Printed %n label on %1 to %2",
                                    result.labelsPrinted),
                            {TrNUtf8("Cli", "%n pages", "%n page", result.pagesPrinted), where})
            << '\n';
      return kExitOk;
    case PrintOutcome::Cancelled:
      ReportFile(c.err, where,
                 result.pagesPrinted ? TrUtf8("Cli", "cancelled; the runs before were printed")
                                     : TrUtf8("Cli", "cancelled; nothing was printed"),
                 ECANCELED);
      return kExitFailed;
    case PrintOutcome::Stopped:
      ReportFile(c.err, where,
                 TrNUtf8("Cli", "stopped after %n labels", "stopped after %n label", result.labelsPrinted), ECANCELED);
      return kExitFailed;
    case PrintOutcome::DocumentFailed:
      return kExitFailed;
  }
  return kExitFailed;
}

std::string WhereText(const ParsedArgs& parsed) {
  return parsed.Has("pdf") ? *parsed.Value("pdf")
                           : FormatString(TrUtf8("Cli", "printer %1"), {*parsed.Value("printer")});
}

int PrintCalibration(const ParsedArgs& parsed, Context& c) {
  parsed.ExpectPositional(0, 0);
  DDFLibrary noLayouts(c.folders, false);
  CliPrinting printing(parsed, c, noLayouts);
  const std::optional<PrintOrder> order = printing.Order();
  if (!order) return kExitFailed;
  CliPrintUi ui(c, true);
  const std::optional<CalibrationOutcome> printed = printing.Controller().PrintCalibration(*order, ui);
  if (!printed) return kExitFailed;
  switch (*printed) {
    case CalibrationOutcome::Printed:
      break;
    case CalibrationOutcome::NoPrinter:
      ReportFile(c.err, WhereText(parsed), Flattened(NoPrinterInstalled()), ENODEV);
      return kExitFailed;
    case CalibrationOutcome::PrintingError:
      ReportFile(c.err, WhereText(parsed), Flattened(PrintingError()), EIO);
      return kExitFailed;
  }
  c.out << FormatString(TrUtf8("Cli", "Printed a calibration sheet to %1"), {WhereText(parsed)}) << '\n';
  return kExitOk;
}

// A layout's test sheet: the layout from a file or, by type code, from the library; a PDF
// on the layout's own sheet unless --paper names another.
int PrintTestSheetCommand(const ParsedArgs& parsed, Context& c) {
  parsed.ExpectPositional(0, 0);
  const std::string named = *parsed.Value("test-sheet");
  DDFLibrary library(c.folders);
  std::shared_ptr<const CDDFTemplate> layout;
  try {
    const std::filesystem::path file = ToPath(FromUtf8(named));
    if (std::filesystem::is_regular_file(file)) {
      layout = std::make_shared<const CDDFTemplate>(CDDFTemplate::Load(file));
    } else {
      library.ScanAll();
      const std::wstring type = ToUpper(FromUtf8(named));
      if (!library.Contains(type)) {
        ReportFile(c.err, named,
                   FormatString(TrUtf8("Cli", "no layout file and no layout with type code %1 ('mirn-cli templates' "
                                              "lists them)"),
                                {ToUtf8(type)}),
                   ENOENT);
        return kExitFailed;
      }
      layout = library.GetTemplate(type);
    }
  } catch (const std::exception& e) {
    ReportFile(c.err, named, e.what(), EBADMSG);
    return kExitFailed;
  }
  CliPrinting printing(parsed, c, library);
  const std::optional<PrintOrder> order = printing.Order();
  if (!order) return kExitFailed;
  QuietPrintJobUi ui;
  const std::optional<PrintJobResult> result = printing.Controller().PrintTestSheet(*order, *layout, ui);
  if (!result) return kExitFailed;
  if (result->outcome == PrintOutcome::DocumentFailed) {
    ReportFile(c.err, WhereText(parsed), Flattened(PrintingError()), EIO);
    return kExitFailed;
  }
  return ReportOutcome(*result, WhereText(parsed), c);
}

int Print(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"ids", true}, {"copies", true}, {"start-slot", true, true}, {"pdf", true},
                                       {"printer", true}, {"paper", true}, {"yes"}, {"calibration"}, {"cut-marks"},
                                       {"no-cut-marks"}, {"test-sheet", true}});
  if (parsed.Has("paper") && !parsed.Has("pdf")) throw UsageError("--paper is for --pdf; a printer prints on its own paper");
  if (parsed.Has("calibration")) return PrintCalibration(parsed, c);
  if (parsed.Has("test-sheet")) return PrintTestSheetCommand(parsed, c);
  if (parsed.Has("cut-marks") && parsed.Has("no-cut-marks")) throw UsageError("give --cut-marks or --no-cut-marks, not both");
  parsed.ExpectPositional(1, 1);
  const long long copies = parsed.IntValue("copies").value_or(1);
  if (copies < kMinCopies || copies > kMaxCopies) throw UsageError(TrUtf8("Cli", "--copies takes 1 to 1000"));
  const StartSlotOptions startSlots = ParseStartSlots(parsed);
  if (parsed.Has("pdf") == parsed.Has("printer")) {
    throw UsageError(TrUtf8("Cli", "give one of --pdf OUT.pdf and --printer NAME"));
  }

  const std::filesystem::path file = ToPath(FromUtf8(parsed.Positional()[0]));
  std::unique_ptr<MRBBase> db = OpenToReadOrReport(parsed.Positional()[0], c);
  if (!db) return kExitFailed;
  // The PDF may not be the database printed (held open now) or any other open database.
  std::error_code refused;
  if (const auto pdf = parsed.Value("pdf"); pdf && !OutputFile::CheckTarget(ToPath(FromUtf8(*pdf)), &refused)) {
    ReportFileError(c.err, *pdf, TrUtf8("Cli", "cannot write"), refused);
    return kExitFailed;
  }
  ReportUnwalkable(*db, parsed.Positional()[0], c);
  std::vector<std::wstring> ids = ChosenExtensions(parsed, *db, parsed.Positional()[0], c.err);
  if (db->GetExtensionCount() == 0 || ids.empty()) {
    ReportFile(c.err, parsed.Positional()[0], TrUtf8("Cli", "nothing to print: no extensions chosen"),
               db::kNoSuchExtension);
    return kExitFailed;
  }

  DDFLibrary library(c.folders);
  library.ScanAll();
  std::map<std::wstring, int> chosenSlots = ChosenStartSlots(startSlots, ids, *db, library);
  CliPrinting printing(parsed, c, library);
  std::optional<PrintOrder> order = printing.Order();
  if (!order) return kExitFailed;
  order->ids = std::move(ids);
  order->copies = static_cast<int>(copies);
  order->title = FromPath(file.filename());
  order->documentFolder = std::filesystem::absolute(file).parent_path();
  order->startSlots = std::move(chosenSlots);
  if (parsed.Has("cut-marks")) order->cutMarks = true;
  if (parsed.Has("no-cut-marks")) order->cutMarks = false;
  PrintHooks hooks;
  // Text that will not fit is worth a warning before paper is spent; `check` lists it.
  hooks.confirmOverflows = [&](const std::vector<OverflowingField>& fields) {
    c.err << FormatString(TrNUtf8("Cli", "Warning: %n fields have more text than fits; '%1' lists them.",
                                  "Warning: %n field has more text than fits; '%1' lists them.",
                                  fields.size()),
                          {"mirn-cli check " + parsed.Positional()[0]})
          << '\n';
    return OverflowAnswer::PrintAnyway;
  };
  // Labels that would come out cut are said before anything prints; without --yes nothing is.
  hooks.confirmCutLabels = [&](const std::vector<CutLabels>& cut) {
    ReportCutLabels(cut, c.err);
    if (parsed.Has("yes")) return true;
    ReportFile(c.err, WhereText(parsed),
               TrUtf8("Cli", "nothing was printed: print on paper the sheets fit (--paper), or give --yes to print "
                             "them cut"),
               ECANCELED);
    return false;
  };
  CliPrintUi ui(c, parsed.Has("yes"));
  const StopOnInterrupt stopOnInterrupt;
  const PrintResult result = printing.Controller().Print(*db, std::move(*order), ui, hooks);
  if (!result.started) return kExitFailed;
  if (result.pdfError) {
    const bool kept = std::filesystem::exists(result.pdfFile);
    ReportFileError(c.err, result.pdfFile.string(),
                    kept ? TrUtf8("Cli", "cannot write (the file keeps its previous content)") : TrUtf8("Cli", "cannot write"), result.pdfError);
    return kExitFailed;
  }
  return ReportOutcome(result.job, WhereText(parsed), c);
}

}  // namespace

void RegisterPrintCommands(CommandTable& table) {
  table.Add({"print",
             "FILE [--ids A,B,...] [--copies N] [--start-slot N | --start-slot TYPE=N ...]"
             " (--pdf OUT.pdf [--paper a4|letter] | --printer NAME) [--yes] [--cut-marks | --no-cut-marks]"
             " | --calibration (--pdf OUT.pdf [--paper a4|letter] | --printer NAME)"
             " | --test-sheet LAYOUT.ddf|TYPE (--pdf OUT.pdf [--paper a4|letter] | --printer NAME)",
             MIRN_TRANSLATABLE("Cli", "print a database's labels (each layout asks Print or Cancel), a calibration sheet, or a layout's test "
             "sheet (the outline of every label and field, with the fields' ids)"),
             Print});
  RegisterPrinterCommands(table);
}

}  // namespace mirn::cli
