// The checks before printing: the printed text fields of a database's extensions whose text
// does not fit, and the labels that would come out cut on the paper, so that a script can
// stop before printing.

#include <algorithm>
#include <charconv>
#include <memory>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/ChosenExtensions.h"
#include "cli/CutLabelsReport.h"
#include "cli/DatabaseAccess.h"
#include "db/DbResult.h"
#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/commands/CommandGroups.h"
#include "store/OpenDatabase.h"
#include "panel/FieldOverflow.h"
#include "platform/KnownFolders.h"
#include "print/PaperChoice.h"
#include "print/PrintLabels.h"
#include "print/OverflowShrink.h"
#include "print/PrintOverflow.h"
#include "qt/PdfPrinterSystem.h"
#include "qt/LabelImage.h"
#include "qt/PrintTargets.h"
#include "templates/DDFLibrary.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

using Json = nlohmann::ordered_json;

double Millimetres(int twips) { return static_cast<int>(twips * 254.0 / 1440.0 + 0.5) / 10.0; }

// One decimal with a point whatever the locale: the listing is read by scripts as well as
// people, and the window's Qt application sets the C library's locale from the environment.
std::string OneDecimal(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr;
  return std::string(text, end);
}

std::string MillimetreText(int twips) { return OneDecimal(Millimetres(twips)) + " mm"; }

std::string FieldText(long long field) {
  return FormatString(TrUtf8("Cli", "field %1"), {std::to_string(field)});
}

// One line of a text as a single line: line feeds shown as " / ", tabs as spaces.
std::string OneLine(const std::wstring& text) {
  std::wstring line;
  for (wchar_t ch : text) {
    if (ch == L'\n') line += L" / ";
    else if (ch == L'\r') continue;
    else line += ch == L'\t' ? L' ' : ch;
  }
  return ToUtf8(line);
}

// The labels that would come out cut when the extensions are printed to a PDF: on the paper
// named, else on their layouts' own sheet as `print --pdf` would.
std::vector<CutLabels> CutLabelsOnPaper(const std::vector<std::wstring>& ids, const std::optional<std::string>& named,
                                        MRBBase& db, DDFLibrary& library, Context& c) {
  std::int16_t paper = JobPaper(ids, db, library, PreferredPaper(SystemPaperSources()));
  if (named) {
    const std::optional<std::int16_t> chosen = PaperFromName(*named);
    if (!chosen) {
      throw UsageError(FormatString(TrUtf8("Cli", "--paper takes a4 or letter, not '%1'"), {*named}));
    }
    paper = *chosen;
  }
  // Nothing is written: the PDF target only says what its page holds.
  PdfPrinterSystem pdf(std::filesystem::path(), {}, paper);
  PrintLabelsRequest request;
  request.printer = pdf.DefaultPrinter();
  request.mode = *pdf.DefaultDeviceMode(request.printer);
  request.mode.orientation = JobOrientation(ids, db, library);
  request.ids = ids;
  PrinterAdjustmentStore adjustments(PrinterAdjustmentsPath(c.folders), c.profile);
  return FindCutLabels(pdf, request, db, library, adjustments.Load(request.printer));
}

// Shrinks each overflowing field's text until it fits (or to the smallest size), saying what
// it did; answers the fields that still do not fit.
std::vector<OverflowingField> ShrinkAndReport(const std::vector<OverflowingField>& fields, MRBBase& db,
                                              DDFLibrary& library, Canvas& canvas, Context& c) {
  const std::vector<ShrunkField> shrunk = ShrinkOverflowingFields(fields, db, library, canvas);
  const EditStep stored = StoreShrunkFields(shrunk, db);
  const auto written = [&stored](const OverflowingField& f) {
    return std::any_of(stored.changes.begin(), stored.changes.end(), [&f](const FieldTextChange& change) {
      return change.extensionId == f.id && change.fieldId == f.field;
    });
  };
  std::vector<OverflowingField> still;
  for (const OverflowingField& f : fields) {
    const auto s = std::find_if(shrunk.begin(), shrunk.end(), [&f](const ShrunkField& one) {
      return one.field.id == f.id && one.field.field == f.field;
    });
    if (s == shrunk.end() || !written(f)) {
      still.push_back(f);
      continue;
    }
    const std::string smaller = OneDecimal(s->shrunk.halfPoints / 2.0);
    c.out << ToUtf8(f.id) << '\t' << ToUtf8(f.typeCode) << '\t' << FieldText(f.field) << '\t' << OneLine(f.text)
          << '\t'
          << FormatString(s->shrunk.fits ? TrUtf8("Cli", "%1 pt smaller") : TrUtf8("Cli", "%1 pt smaller, still too long at 4 pt"),
                          {smaller})
          << '\n';
    if (!s->shrunk.fits) still.push_back(f);
  }
  return still;
}

int Check(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"ids", true}, {"json"}, {"paper", true}, {"fix"}});
  if (parsed.Has("fix") && parsed.Has("json")) {
    throw UsageError(TrUtf8("Cli", "--fix lists what it did as text; leave out --json"));
  }
  parsed.ExpectPositional(1, 1);
  // Only --fix writes; the check alone reads the file in place.
  std::unique_ptr<MRBBase> db =
      parsed.Has("fix") ? OpenOrReport(parsed.Positional()[0], c) : OpenToReadOrReport(parsed.Positional()[0], c);
  if (!db) return kExitFailed;
  const std::vector<std::wstring> ids = ChosenExtensions(parsed, *db, parsed.Positional()[0], c.err);

  DDFLibrary library(c.folders);
  library.ScanAll();
  EnsureGuiApplication();
  // Measured at one unit per twip: finer than any printer places text.
  const std::unique_ptr<Canvas> canvas = MakeMeasuringCanvas(kOverflowMeasureDpi, kOverflowMeasureDpi);
  std::vector<OverflowingField> fields = FindOverflowingFields(ids, *db, library, *canvas);
  if (parsed.Has("fix") && !fields.empty()) {
    if (!CheckWritableOrReport(parsed.Positional()[0], c)) return kExitFailed;
    fields = ShrinkAndReport(fields, *db, library, *canvas, c);
    if (const int saved = SaveOrReport(*db, parsed.Positional()[0], c); saved != kExitOk) return saved;
  }
  const std::vector<CutLabels> cut = CutLabelsOnPaper(ids, parsed.Value("paper"), *db, library, c);

  if (parsed.Has("json")) {
    Json list = Json::array();
    for (const OverflowingField& f : fields) {
      list.push_back({{"extension", ToUtf8(f.id)}, {"layout", ToUtf8(f.typeCode)}, {"field", f.field},
                      {"text", ToUtf8(f.text)}, {"too_wide_mm", Millimetres(f.tooWide)},
                      {"too_tall_mm", Millimetres(f.tooTall)}});
    }
    c.out << list.dump(2) << '\n';
  } else {
    for (const OverflowingField& f : fields) {
      std::string how;
      if (f.tooWide > 0) how = FormatString(TrUtf8("Cli", "%1 too wide"), {MillimetreText(f.tooWide)});
      if (f.tooTall > 0) {
        how += (how.empty() ? "" : ", ") + FormatString(TrUtf8("Cli", "%1 too tall"), {MillimetreText(f.tooTall)});
      }
      c.out << ToUtf8(f.id) << '\t' << ToUtf8(f.typeCode) << '\t' << FieldText(f.field) << '\t' << OneLine(f.text)
            << '\t' << how << '\n';
    }
    c.err << (fields.empty() ? TrUtf8("Cli", "Every field's text fits.")
                             : TrNUtf8("Cli", "%n fields have more text than fits.", "%n field has more text than fits.",
                                       fields.size()))
          << '\n';
  }
  ReportCutLabels(cut, c.err);
  return fields.empty() && cut.empty() ? kExitOk : kExitFailed;
}

}  // namespace

void RegisterCheckCommands(CommandTable& table) {
  table.Add({"check", "FILE [--ids A,B,...] [--json] [--paper a4|letter] [--fix]",
             MIRN_TRANSLATABLE("Cli", "list the printed fields whose text does not fit (extension, layout, field, text, how much too wide "
             "or tall) and the labels that would be cut off at the paper's edge; exit 1 when any. --fix makes each "
             "overflowing field's text smaller, in half points, until it fits, and saves"),
             Check});
}

}  // namespace mirn::cli
