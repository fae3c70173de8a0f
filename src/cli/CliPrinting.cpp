#include "cli/CliPrinting.h"

#include <ostream>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/Messages.h"
#include "print/PaperChoice.h"
#include "print/PdfTarget.h"
#include "qt/LabelImage.h"
#include "qt/PrintTargets.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

// The paper named by --paper, if any; else the controller takes the layouts' own sheet.
std::optional<std::int16_t> PdfPaper(const ParsedArgs& parsed) {
  const std::optional<std::string> name = parsed.Value("paper");
  if (!name) return std::nullopt;
  const std::optional<std::int16_t> paper = PaperFromName(*name);
  if (!paper) throw UsageError(FormatString(TrUtf8("Cli", "--paper takes a4 or letter, not '%1'"), {*name}));
  return *paper;
}

}  // namespace

CliPrinting::CliPrinting(const ParsedArgs& parsed, Context& c, DDFLibrary& library)
    : parsed_(parsed), c_(c) {
  if (parsed.Has("pdf") == parsed.Has("printer")) {
    throw UsageError(TrUtf8("Cli", "give one of --pdf OUT.pdf and --printer NAME"));
  }
  EnsureGuiApplication();
  devices_ = MakeQtPrintDevices();
  controller_ = std::make_unique<PrintController>(PrintServices{*devices_, library, c.folders, c.profile, c.clock});
  controller_->SetStoreNotices(StoreNotices(c.err));
}

std::optional<PrintOrder> CliPrinting::Order() {
  PrintOrder order;
  if (const auto pdf = parsed_.Value("pdf")) {
    order.target = kPdfTargetName;
    order.pdfFile = ToPath(FromUtf8(*pdf));
    if (const auto problem = PdfFolderProblem(order.pdfFile)) {
      if (problem->whatNamesCause) {
        ReportFile(c_.err, order.pdfFile.string(), problem->what, problem->cause.value());
      } else {
        ReportFileError(c_.err, order.pdfFile.string(), problem->what, problem->cause);
      }
      return std::nullopt;
    }
    order.pdfPaper = PdfPaper(parsed_);
    return order;
  }
  order.target = FromUtf8(*parsed_.Value("printer"));
  if (const auto refused = controller_->ChoosePrinter(order.target)) {
    ReportFile(c_.err, FormatString(TrUtf8("Cli", "printer %1"), {*parsed_.Value("printer")}), Flattened(*refused),
               ENODEV);
    return std::nullopt;
  }
  return order;
}

}  // namespace mirn::cli
