// The overflow check: the printed text fields of a database's extensions whose text does not
// fit, so that a script can stop before printing.

#include <cstdio>
#include <memory>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/ChosenExtensions.h"
#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/commands/CommandGroups.h"
#include "store/OpenDatabase.h"
#include "panel/FieldOverflow.h"
#include "print/PrintOverflow.h"
#include "qt/LabelImage.h"
#include "qt/PrintTargets.h"
#include "templates/DDFLibrary.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

using Json = nlohmann::ordered_json;

double Millimetres(int twips) { return static_cast<int>(twips * 254.0 / 1440.0 + 0.5) / 10.0; }

std::string MillimetreText(int twips) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f mm", Millimetres(twips));
  return text;
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

int Check(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"ids", true}, {"json"}});
  parsed.ExpectPositional(1, 1);
  std::unique_ptr<MRBBase> db = OpenToReadOrReport(parsed.Positional()[0], c);
  if (!db) return kExitFailed;
  const std::vector<std::wstring> ids = ChosenExtensions(parsed, *db, parsed.Positional()[0], c.err);

  DDFLibrary library(c.folders);
  library.ScanAll();
  EnsureGuiApplication();
  // Measured at one unit per twip: finer than any printer places text.
  const std::unique_ptr<Canvas> canvas = MakeMeasuringCanvas(kOverflowMeasureDpi, kOverflowMeasureDpi);
  const std::vector<OverflowingField> fields = FindOverflowingFields(ids, *db, library, *canvas);

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
      if (f.tooWide > 0) how = MillimetreText(f.tooWide) + " too wide";
      if (f.tooTall > 0) how += (how.empty() ? "" : ", ") + MillimetreText(f.tooTall) + " too tall";
      c.out << ToUtf8(f.id) << '\t' << ToUtf8(f.typeCode) << "\tfield " << f.field << '\t' << OneLine(f.text) << '\t'
            << how << '\n';
    }
    c.err << (fields.empty() ? std::string("Every field's text fits.")
                             : std::to_string(fields.size()) + (fields.size() == 1 ? " field has" : " fields have") +
                                   " more text than fits.")
          << '\n';
  }
  return fields.empty() ? kExitOk : kExitFailed;
}

}  // namespace

void RegisterCheckCommands(CommandTable& table) {
  table.Add({"check", "FILE [--ids A,B,...] [--json]",
             "list the printed fields whose text does not fit (extension, layout, field, text, how much too wide "
             "or tall); exit 1 when any",
             Check});
}

}  // namespace mirn::cli
