// Commands about layout templates: compile and decompile template sources, show one
// template, list the library.

#include <cerrno>
#include <cstdio>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/Messages.h"
#include "cli/commands/CommandGroups.h"
#include "db/DbResult.h"
#include "platform/AtomicWrite.h"
#include "platform/KnownFolders.h"
#include "store/OpenDatabase.h"
#include "templates/DDFConversions.h"
#include "templates/DDFException.h"
#include "templates/DDFLibrary.h"
#include "templates/DDFReader.h"
#include "templates/SheetStock.h"
#include "templates/TemplateSource.h"
#include "util/ByteSource.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

using Json = nlohmann::ordered_json;

std::string FlagText(std::uint32_t flags) {
  std::uint32_t unnamed = 0;
  std::string text;
  for (const auto& name : FlagNames(flags, unnamed)) {
    if (!text.empty()) text += '|';
    text += name;
  }
  if (unnamed != 0 || text.empty()) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", unnamed);
    if (!text.empty()) text += '|';
    text += hex;
  }
  return text;
}

Json InfoJson(const CDDFTemplate& t) {
  Json info;
  info["version"] = ToUtf8(t.GetVersion());
  info["groupName"] = ToUtf8(t.GetGroupName());
  info["typeCode"] = ToUtf8(t.GetTypeCode());
  info["description"] = ToUtf8(t.GetDescription());
  info["landscape"] = t.IsLandscape();
  info["sheet"] = ToUtf8(PaperName(StockOf(t).paper));
  info["plainPaper"] = StockOf(t).plainPaper;
  info["labelWidth"] = t.GetLabelWidth();
  info["labelHeight"] = t.GetLabelHeight();
  info["slots"] = Json::array();
  for (const auto& s : t.GetSlots()) info["slots"].push_back({{"x", s.x}, {"y", s.y}});
  info["objects"] = Json::array();
  for (const auto& o : t.GetObjects())
    info["objects"].push_back({{"id", o.id}, {"flags", o.flags}, {"color", o.color}, {"left", o.left},
                               {"top", o.top}, {"right", o.right}, {"bottom", o.bottom},
                               {"caption", ToUtf8(o.GetCaption())}});
  return info;
}

void PrintInfo(const CDDFTemplate& t, std::ostream& out) {
  out << "version\t" << ToUtf8(t.GetVersion()) << '\n'
      << "groupName\t" << ToUtf8(t.GetGroupName()) << '\n'
      << "typeCode\t" << ToUtf8(t.GetTypeCode()) << '\n'
      << "description\t" << ToUtf8(t.GetDescription()) << '\n'
      << "landscape\t" << (t.IsLandscape() ? "yes" : "no") << '\n'
      << "sheet\t" << ToUtf8(PaperName(StockOf(t).paper)) << (StockOf(t).plainPaper ? ", plain paper" : "") << '\n'
      << "label\t" << t.GetLabelWidth() << " x " << t.GetLabelHeight() << " twips\n"
      << "slots\t" << t.GetSlots().size() << '\n';
  for (std::size_t i = 0; i < t.GetSlots().size(); ++i)
    out << "slot\t" << i + 1 << '\t' << t.GetSlots()[i].x << '\t' << t.GetSlots()[i].y << '\n';
  out << "objects\t" << t.GetObjects().size() << '\n';
  for (const auto& o : t.GetObjects()) {
    char colour[16];
    std::snprintf(colour, sizeof colour, "0x%06X", o.color);
    out << "object\t" << o.id << '\t' << FlagText(o.flags) << '\t' << colour << '\t' << o.left << ','
        << o.top << ',' << o.right << ',' << o.bottom << '\t' << ToUtf8(o.GetCaption()) << '\n';
  }
}

int Build(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {});
  parsed.ExpectPositional(2, 2);
  const std::filesystem::path source = parsed.Positional()[0], target = parsed.Positional()[1];
  std::string json;
  std::error_code readError;
  if (!ReadWholeFile(source, json, &readError)) {
    ReportFileError(c.err, source.string(), TrUtf8("Cli", "cannot read"), readError);
    return kExitFailed;
  }
  std::vector<std::string> warnings;
  std::string bytes;
  try {
    bytes = CompileTemplateSource(json, &warnings);
  } catch (const TemplateSourceError& e) {
    ReportFile(c.err, source.string(), e.what(), EINVAL);
    return kExitFailed;
  }
  for (const auto& w : warnings) {
    c.err << "mirn-cli: " << source.string() << ": " << FormatString(TrUtf8("Cli", "warning: %1"), {w}) << '\n';
  }
  auto out = BeginOutputOrReport(target, c);
  if (!out) return kExitFailed;
  std::error_code ec;
  if (!WriteAll(out->Descriptor(), bytes, &ec)) {
    ReportWriteFailure(*out, ec, c);
    return kExitFailed;
  }
  return CommitOrReport(*out, c) ? kExitOk : kExitFailed;
}

// A layout reader's message without the file's name at its end, which the message form
// already puts first.
std::string LayoutProblem(const DDFException& e, const std::string& file) {
  std::string what = e.what();
  const std::string tail = ": " + file;
  if (what.size() > tail.size() && what.compare(what.size() - tail.size(), tail.size(), tail) == 0) {
    what.resize(what.size() - tail.size());
  }
  return what;
}

int Dump(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {});
  parsed.ExpectPositional(1, 1);
  const std::filesystem::path path = parsed.Positional()[0];
  if (!CheckReadableOrReport(path, c)) return kExitFailed;
  const FileByteSource file(path);
  try {
    if (!file.IsOpen()) throw DDFException(L"Could not open DDF file: " + FromPath(path));
    const CDDFTemplate layout = LoadInFileOrder(file, FromPath(path));
    c.out << DumpTemplateSource(layout, ReadPreamble(file));
  } catch (const DDFException& e) {
    ReportFile(c.err, path.string(), LayoutProblem(e, path.string()), EBADMSG);
    return kExitFailed;
  }
  return kExitOk;
}

int Info(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"json"}});
  parsed.ExpectPositional(1, 1);
  if (!CheckReadableOrReport(parsed.Positional()[0], c)) return kExitFailed;
  try {
    const CDDFTemplate t = CDDFTemplate::Load(std::filesystem::path(parsed.Positional()[0]));
    if (parsed.Has("json"))
      c.out << InfoJson(t).dump(2) << '\n';
    else
      PrintInfo(t, c.out);
  } catch (const DDFException& e) {
    ReportFile(c.err, parsed.Positional()[0], LayoutProblem(e, parsed.Positional()[0]), EBADMSG);
    return kExitFailed;
  }
  return kExitOk;
}

int List(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"folder", true, true}, {"no-cache"}, {"json"}});
  parsed.ExpectPositional(0, 0);
  if (!CheckFoldersOrReport(parsed.Values("folder"), c)) return kExitFailed;
  DDFLibrary library(c.folders, !parsed.Has("no-cache"));
  library.ScanFolders(parsed.Values("folder"));
  if (parsed.Has("json")) {
    Json list = Json::array();
    for (const auto& [code, info] : library.Entries())
      list.push_back({{"typeCode", ToUtf8(info.typeCode)}, {"groupName", ToUtf8(info.groupName)},
                      {"description", ToUtf8(info.description)}, {"path", ToUtf8(info.path)}});
    c.out << list.dump(2) << '\n';
  } else {
    for (const auto& [code, info] : library.Entries())
      c.out << ToUtf8(code) << '\t' << ToUtf8(info.groupName) << '\t' << ToUtf8(info.description) << '\t'
            << ToUtf8(info.path) << '\n';
  }
  return kExitOk;
}

// The conversion table: the one given (a file, or a folder holding "conversions.db"), else
// the all-users one, else the copy in the program folder.
bool OpenConversionTable(const ParsedArgs& parsed, DDFConversions& conversions, Context& c) {
  if (const auto given = parsed.Value("conversions")) {
    const std::filesystem::path path(*given);
    std::error_code ec;
    return std::filesystem::is_directory(path, ec) ? conversions.OpenConversions(path) : conversions.OpenFile(path);
  }
  return conversions.OpenConversions(DDFConversions::DefaultFolder(c.folders)) ||
         conversions.OpenConversions(c.folders.Get(KnownFolder::Program));
}

int ConvertTypes(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"conversions", true}, {"folder", true, true}, {"no-cache"}});
  parsed.ExpectPositional(1, 1);
  const std::filesystem::path file = parsed.Positional()[0];
  DDFConversions conversions;
  if (!OpenConversionTable(parsed, conversions, c)) {
    // As when a database is opened: without a usable table nothing is converted.
    c.err << TrUtf8("Cli", "no usable conversion table; nothing converted") << '\n';
    return kExitOk;
  }
  const std::unique_ptr<MRBBase> db = OpenOrReport(parsed.Positional()[0], c);
  if (!db) return kExitFailed;
  DDFLibrary library(c.folders, !parsed.Has("no-cache"));
  library.ScanFolders(parsed.Values("folder"));
  std::size_t moved = 0, failed = 0;
  int failure = db::kOk;
  for (const auto& change : conversions.ApplyConversions(*db, library)) {
    if (change.result == db::kOk) {
      ++moved;
      c.out << ToUtf8(change.extensionId) << '\t' << ToUtf8(change.oldTypeCode) << '\t' << ToUtf8(change.newTypeCode) << '\n';
    } else {
      ++failed;
      failure = change.result;
      ReportFile(c.err, file.string(),
                 FormatString(TrUtf8("Cli", "extension '%1': cannot change the type code to %2: %3"),
                              {ToUtf8(change.extensionId), ToUtf8(change.newTypeCode),
                               ToUtf8(DbResultText(change.result))}),
                 change.result);
    }
  }
  if (failed != 0) {
    ReportFile(c.err, file.string(),
               TrNUtf8("Cli", "not saved: %n extensions could not be converted",
                       "not saved: %n extension could not be converted", failed),
               failure);
    return kExitFailed;
  }
  if (moved != 0 && SaveOrReport(*db, parsed.Positional()[0], c) != kExitOk) return kExitFailed;
  c.err << TrNUtf8("Cli", "%n extensions moved to new type codes", "%n extension moved to new type codes",
                   moved)
        << '\n';
  return kExitOk;
}

}  // namespace

void RegisterTemplateCommands(CommandTable& table) {
  table.Add({"template build", "SRC.json OUT.ddf", MIRN_TRANSLATABLE("Cli", "compile a layout template source into a template file"), Build});
  table.Add({"template dump", "FILE.ddf", MIRN_TRANSLATABLE("Cli", "write the source of a template file to standard output"), Dump});
  table.Add({"template info", "FILE.ddf [--json]", MIRN_TRANSLATABLE("Cli", "show a template's header, slots and objects"), Info});
  table.Add({"templates", "[--folder DIR]... [--no-cache] [--json]",
             MIRN_TRANSLATABLE("Cli", "list the layout library by type code (or the templates in the folders given)"), List});
  table.Add({"convert-types", "FILE [--conversions PATH] [--folder DIR]... [--no-cache]",
             MIRN_TRANSLATABLE("Cli", "move extensions of retired layouts to their replacements, save, and list them"), ConvertTypes});
}

}  // namespace mirn::cli
