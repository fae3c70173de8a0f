// Commands that restyle and rewrite many labels at once: copying styles from one extension
// to others of its layout, and replacing a text in every field of the database. Both run
// the desktop program's own flows and save only when they changed something.

#include <algorithm>
#include <cerrno>
#include <ostream>
#include <sstream>

#include "find/CopyStyles.h"
#include "find/CopyStylesWizard.h"
#include "find/FindReplace.h"
#include "cli/CliUserInterface.h"
#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/Messages.h"
#include "cli/DatabaseFile.h"
#include "cli/commands/CommandGroups.h"
#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "templates/DDFLibrary.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

// "everything", or kinds named by comma: font, size, alignment, color, graphics, text.
StyleSet ParseStyles(const std::string& list) {
  if (list == "everything") return StyleSet::Everything();
  static const std::pair<const char*, StyleKind> kNames[] = {
      {"font", StyleKind::FontStyle}, {"size", StyleKind::FontSize}, {"alignment", StyleKind::Alignment},
      {"color", StyleKind::Color},    {"graphics", StyleKind::Graphics}, {"text", StyleKind::Text}};
  StyleSet styles;
  std::stringstream in(list);
  std::string word;
  while (std::getline(in, word, ',')) {
    const auto* it = std::find_if(std::begin(kNames), std::end(kNames),
                                  [&](const auto& entry) { return word == entry.first; });
    if (it == std::end(kNames)) {
      throw UsageError(FormatString(
          TrUtf8("Cli", "--styles takes everything or a list of font, size, alignment, color, graphics, text: '%1'"),
          {word}));
    }
    styles.Add(it->second);
  }
  if (styles.Empty()) throw UsageError(TrUtf8("Cli", "--styles names no style"));
  return styles;
}

int RunCopyStylesCommand(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"styles", true}, {"all-same-layout"}});
  parsed.ExpectPositional(2, -1);
  const auto& p = parsed.Positional();
  const bool allSameLayout = parsed.Has("all-same-layout");
  if (allSameLayout == (p.size() > 2)) {
    throw UsageError(TrUtf8("Cli", "give the extensions to copy to, or --all-same-layout"));
  }
  if (!parsed.Value("styles")) throw UsageError(TrUtf8("Cli", "--styles is required"));
  const StyleSet styles = ParseStyles(*parsed.Value("styles"));

  auto db = OpenOrReport(p[0], c);
  if (!db) return kExitFailed;
  ReportUnwalkable(*db, p[0], c);
  const std::wstring source = FromUtf8(p[1]);
  if (!db->ExtensionExists(source)) {
    c.err << "mirn-cli: " << p[0] << ": " << Describe(db::kNoSuchExtension, source) << '\n';
    return kExitFailed;
  }
  const std::wstring typeCode = db->GetTypeCode(source);
  std::vector<std::wstring> sameLayout = db->GetExtensionsWithTypeCode(typeCode);
  std::erase(sameLayout, source);
  std::vector<std::wstring> destinations;
  if (allSameLayout) {
    destinations = sameLayout;
  } else {
    for (size_t i = 2; i < p.size(); ++i) {
      const std::wstring id = FromUtf8(p[i]);
      if (!db->ExtensionExists(id)) {
        c.err << "mirn-cli: " << p[0] << ": " << Describe(db::kNoSuchExtension, id) << '\n';
        return kExitFailed;
      }
      if (std::find(sameLayout.begin(), sameLayout.end(), id) == sameLayout.end()) {
        ReportFile(c.err, p[0],
                   FormatString(id == source ? TrUtf8("Cli", "extension '%1' is the source")
                                             : TrUtf8("Cli", "extension '%1' does not have the layout of '%2'"),
                                {p[i], p[1]}),
                   EINVAL);
        return kExitFailed;
      }
      destinations.push_back(id);
    }
  }
  if (destinations.empty()) {
    ReportFile(c.err, p[0], OneLine(CopyStylesWizard::NoOtherExtensionsText(source)), db::kNoSuchExtension);
    return kExitFailed;
  }

  DDFLibrary library(c.folders);
  library.ScanAll();
  CliUserInterface ui(c);
  const auto outcome = RunCopyStyles(*db, library, ui, {source, destinations, styles});
  if (outcome.notStarted || outcome.failure != 0) return kExitFailed;
  return outcome.copied > 0 ? SaveOrReport(*db, p[0], c) : kExitOk;
}

int RunReplaceCommand(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"match-case"}, {"dry-run"}});
  parsed.ExpectPositional(3, 3);
  const auto& p = parsed.Positional();
  FindRequest request;
  request.findText = FromUtf8(p[1]);
  request.replaceText = FromUtf8(p[2]);
  request.matchCase = parsed.Has("match-case");
  request.mode = FindMode::Replace;
  if (request.findText.empty()) throw UsageError(TrUtf8("Cli", "the text to find is empty"));
  const bool dryRun = parsed.Has("dry-run");

  auto db = OpenOrReport(p[0], c);
  if (!db) return kExitFailed;
  std::vector<std::wstring> ids;
  for (const auto& id : db->Extensions()) ids.push_back(id);

  CliUserInterface ui(c);
  FindReplaceController controller(ui);
  controller.Start(request, std::move(ids));
  size_t occurrences = 0;
  size_t fields = 0;
  while (const auto found = controller.FindNext(*db)) {
    FindReplaceEditor editor(found->text, found->start, found->length, request.findText,
                             request.replaceText, request.matchCase, FindMode::Replace);
    auto outcome = FindReplaceEditor::Outcome::Moved;
    while (outcome == FindReplaceEditor::Outcome::Moved) {
      const std::wstring before = editor.Text();
      outcome = editor.Replace();
      c.out << OneLine(found->id) << '\t' << found->fieldId << '\t' << OneLine(before) << '\t'
            << OneLine(editor.Text()) << '\n';
      ++occurrences;
    }
    ++fields;
    if (dryRun) continue;
    if (!controller.EditorClosed(*db, c.profile, *found, editor)) return kExitFailed;
  }
  const auto occurrencesText = TrNUtf8("Cli", "%n occurrences", "%n occurrence", occurrences);
  const auto fieldsText = TrNUtf8("Cli", "%n fields", "%n field", fields);
  c.out << FormatString(dryRun ? TrUtf8("Cli", "Would replace %1 in %2.") : TrUtf8("Cli", "Replaced %1 in %2."),
                        {occurrencesText, fieldsText})
        << '\n';
  if (dryRun || occurrences == 0) return kExitOk;
  return SaveOrReport(*db, p[0], c);
}

}  // namespace

void RegisterStyleCommands(CommandTable& table) {
  table.Add({"copy-styles",
             "FILE FROM (TO... | --all-same-layout) --styles everything|font,size,alignment,color,graphics,text",
             MIRN_TRANSLATABLE("Cli", "copy text and formatting from one extension to others of its layout"),
             RunCopyStylesCommand});
  table.Add({"replace", "FILE FIND REPLACE [--match-case] [--dry-run]",
             MIRN_TRANSLATABLE("Cli", "replace a text in every field of every extension"), RunReplaceCommand});
}

}  // namespace mirn::cli
