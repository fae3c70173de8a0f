// Commands on label databases: create one, show what it holds, and change extensions, fields
// and pictures. Every change goes through the working copy and reaches the user's file only
// by a complete save.

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fstream>
#include <ostream>
#include <sstream>

#include "extensions/AddExtensionsModel.h"
#include "extensions/ExtensionCreator.h"
#include "extensions/ExtensionIdList.h"
#include "extensions/ExtensionListModel.h"
#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/Messages.h"
#include "cli/DatabaseFile.h"
#include "cli/commands/CommandGroups.h"
#include "db/DbRanges.h"
#include "db/GraphicFiles.h"
#include "json/Json.h"
#include "platform/AtomicWrite.h"
#include "platform/FileErrors.h"
#include "platform/FileLock.h"
#include "platform/KnownFolders.h"
#include "platform/ScriptedUserInterface.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"
#include "text/CRTFText.h"
#include "text/MRBFieldTextSource.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

// A field's text read from a file: far more than any label holds, yet never all of memory.
constexpr std::uintmax_t kFieldFileLimit = 16u << 20;

int ParseFieldId(const std::string& text, const char* what) {
  long long value = 0;
  if (!ParseInt(FromUtf8(text), value) || value < INT32_MIN || value > INT32_MAX) {
    throw UsageError(FormatString(TrUtf8("Cli", "%1 must be a whole number: '%2'"), {what, text}));
  }
  return static_cast<int>(value);
}

std::string FormatName(int format) {
  switch (format) {
    case format::kCurrent: return "current";
    case format::kLegacy: return "legacy";
    case format::kNewer: return "newer";
    default: return "none";
  }
}

json::Value GraphicJson(const MRBGraphic& g) {
  json::Value v;
  v["fileName"] = ToUtf8(g.fileName);
  v["relativeName"] = ToUtf8(g.relativeName);
  v["left"] = g.left;
  v["top"] = g.top;
  v["width"] = g.width;
  v["height"] = g.height;
  v["locked"] = g.locked;
  v["embedded"] = g.embedded;
  v["embeddedHash"] = ToUtf8(g.embeddedHash);
  return v;
}

int RunNew(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"force"}});
  parsed.ExpectPositional(1, 1);
  const std::filesystem::path path(parsed.Positional()[0]);
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    if (!parsed.Has("force")) {
      ReportFile(c.err, path.string(), TrUtf8("Cli", "exists (--force replaces it)"), EEXIST);
      return kExitFailed;
    }
  }
  auto db = OpenOrReport({}, c);
  if (!db) return kExitFailed;
  return SaveOrReport(*db, path.string(), c, path);
}

void PrintInfo(const json::Value& info, bool asJson, std::ostream& out) {
  if (asJson) {
    out << json::Write(info) << '\n';
    return;
  }
  for (const auto& [key, value] : info.items()) {
    out << key << '\t';
    if (value.is_array()) {
      std::string joined;
      for (const auto& item : value) {
        if (!joined.empty()) joined += ", ";
        joined += item.is_string() ? OneLine(FromUtf8(item.get<std::string>())) : item.dump();
      }
      out << joined;
    } else {
      out << (value.is_string() ? value.get<std::string>() : value.dump());
    }
    out << '\n';
  }
}

int RunInfo(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"json"}});
  parsed.ExpectPositional(1, 1);
  const std::string& file = parsed.Positional()[0];
  // A file that cannot be read is not "no database": say why.
  if (!CheckReadableOrReport(file, c)) return kExitFailed;
  const int format = DetectFormat(file);
  json::Value info;
  info["format"] = FormatName(format);
  if (format == format::kCurrent || format == format::kLegacy) {
    auto db = OpenToReadOrReport(file, c);
    if (!db) {
      PrintInfo(info, parsed.Has("json"), c.out);
      return kExitFailed;
    }
    info["versions"] = json::Value::array();
    for (int v : db->GetVersions()) info["versions"].push_back(v);
    info["extensions"] = db->GetExtensionCount();
    info["type-codes"] = json::Value::array();
    for (const auto& t : db->GetTypeCodes()) info["type-codes"].push_back(ToUtf8(t));
    info["selections"] = json::Value::array();
    for (const auto& s : db->LoadSelections()) info["selections"].push_back(ToUtf8(s));
  }
  PrintInfo(info, parsed.Has("json"), c.out);
  return kExitOk;
}

// The extension IDs in the order of `--sort`: the list's natural order on the ID, the model
// text or the name.
std::vector<std::wstring> ListOrder(MRBBase& db, const std::string& sort, Context& c) {
  const int column = sort == "extension" ? ExtensionListModel::kExtension
                     : sort == "model"   ? ExtensionListModel::kModel
                     : sort == "name"    ? ExtensionListModel::kName
                                          : -1;
  if (column < 0) throw UsageError(TrUtf8("Cli", "--sort must be extension, model or name"));
  DDFLibrary library(c.folders);
  if (column == ExtensionListModel::kModel) library.ScanAll();
  ExtensionListModel list(library);
  list.SetDatabase(&db);
  list.Rebuild();
  list.Sort(column, true);
  return list.AllIds();
}

int RunList(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"json"}, {"sort", true}});
  parsed.ExpectPositional(1, 1);
  const auto sort = parsed.Value("sort");
  if (sort && *sort != "extension" && *sort != "model" && *sort != "name") {
    throw UsageError(TrUtf8("Cli", "--sort must be extension, model or name"));
  }
  auto db = OpenToReadOrReport(parsed.Positional()[0], c);
  if (!db) return kExitFailed;
  json::Value list = json::Value::array();
  const auto show = [&](const ExtensionRow& row) {
    if (parsed.Has("json")) {
      list.push_back({{"id", ToUtf8(row.id)}, {"typecode", ToUtf8(row.typecode)}, {"name", ToUtf8(row.name)},
                      {"modified", ToUtf8(FormatIsoBasic(row.modified))}});
    } else {
      c.out << OneLine(row.id) << '\t' << OneLine(row.typecode) << '\t' << OneLine(row.name) << '\t'
            << ToUtf8(FormatIsoBasic(row.modified)) << '\n';
    }
    return true;
  };
  if (sort) {
    for (auto& id : ListOrder(*db, *sort, c)) {
      ExtensionRow row;
      db->GetExtension(id, row.typecode, row.name, &row.modified);
      row.id = std::move(id);
      show(row);
    }
  } else {
    db->ReadExtensionRows(show);
  }
  if (parsed.Has("json")) c.out << json::Write(list) << '\n';
  ReportUnwalkable(*db, parsed.Positional()[0], c);
  return kExitOk;
}

// The first format of a text field as "fields --json" shows it.
json::Value FormatJson(const TextFormat& f) {
  static const char* const kAlignments[] = {"left", "center", "right", "justify"};
  const auto align = static_cast<unsigned>(f.alignment);
  return json::Value{{"face", ToUtf8(f.face)},
                     {"size", f.size},
                     {"bold", f.bold != 0},
                     {"italic", f.italic != 0},
                     {"underline", f.underline != 0},
                     {"strikeout", f.strikeout != 0},
                     {"color", f.color},
                     {"alignment", kAlignments[align < 4 ? align : 0]}};
}

int RunFields(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"json"}});
  parsed.ExpectPositional(2, 2);
  auto db = OpenToReadOrReport(parsed.Positional()[0], c);
  if (!db) return kExitFailed;
  const std::wstring id = FromUtf8(parsed.Positional()[1]);
  if (!db->ExtensionExists(id)) {
    c.err << "mirn-cli: " << parsed.Positional()[0] << ": " << Describe(db::kNoSuchExtension, id) << '\n';
    return kExitFailed;
  }
  json::Value fields = json::Value::array();
  std::wstring typecode, name;
  db->GetExtension(id, typecode, name);
  const MRBFieldTextSource source(*db);
  for (const int fieldId : db->FieldIds(id)) {
    const std::wstring content = db->GetField(id, fieldId);
    if (!parsed.Has("json")) {
      c.out << fieldId << '\t' << OneLine(content) << '\n';
      continue;
    }
    json::Value field{{"field_id", fieldId}, {"content", ToUtf8(content)}};
    if (IsGraphicSlot(fieldId)) {
      MRBGraphic graphic;
      field["graphic"] = graphic.FromJson(ToUtf8(content)) ? GraphicJson(graphic) : json::Value();
    } else {
      const CRTFText text(content, id, name, &source);
      field["display"] = ToUtf8(text.GetDisplayText());
      field["format"] = FormatJson(text.GetFirstFormat());
    }
    fields.push_back(std::move(field));
  }
  if (parsed.Has("json")) c.out << json::Write(fields) << '\n';
  return kExitOk;
}

// The names for `count` IDs: one --name for all, one line each from --names-file, or the
// optional positional NAME. Names are trimmed and cut to the dialog's 64 characters.
std::vector<std::wstring> AddNames(const ParsedArgs& parsed, size_t count, Context& c, bool& ok) {
  ok = true;
  const auto& p = parsed.Positional();
  const auto nameOption = parsed.Value("name");
  const auto namesFile = parsed.Value("names-file");
  if ((nameOption ? 1 : 0) + (namesFile ? 1 : 0) + (p.size() > 3 ? 1 : 0) > 1) {
    throw UsageError(TrUtf8("Cli", "give one of NAME, --name and --names-file"));
  }
  const auto clean = [](std::wstring_view text) { return Trim(text).substr(0, kMaxExtensionNameLength); };
  if (!namesFile) {
    const std::wstring name = nameOption ? FromUtf8(*nameOption) : p.size() > 3 ? FromUtf8(p[3]) : std::wstring();
    return std::vector<std::wstring>(count, clean(name));
  }
  std::string bytes;
  std::error_code ec;
  if (!ReadWholeFile(*namesFile, bytes, &ec)) {
    ReportFileError(c.err, *namesFile, TrUtf8("Cli", "cannot read the names"), ec);
    ok = false;
    return {};
  }
  const std::optional<std::vector<std::wstring>> read = ParseNamesFile(bytes);
  if (!read) {
    ReportFile(c.err, *namesFile,
               TrUtf8("Cli", "cannot read the names: the file is neither UTF-8 nor Windows-1252 text"), EILSEQ);
    ok = false;
    return {};
  }
  std::vector<std::wstring> names = *read;
  if (names.size() != count) {
    ReportFile(c.err, *namesFile,
               FormatString(TrUtf8("Cli", "holds %1 for %2 (one line per extension)"),
                            {TrNUtf8("Cli", "%n names", "%n name", names.size()),
                             TrNUtf8("Cli", "%n extensions", "%n extension", count)}),
               EINVAL);
    ok = false;
  }
  return names;
}

int RunAdd(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"name", true}, {"names-file", true}, {"copy-from", true},
                                       {"on-conflict", true}, {"yes"}});
  parsed.ExpectPositional(3, 4);
  const auto& p = parsed.Positional();
  const std::string conflict = parsed.Value("on-conflict").value_or("stop");
  if (conflict != "replace" && conflict != "skip" && conflict != "stop") {
    throw UsageError(TrUtf8("Cli", "--on-conflict must be replace, skip or stop"));
  }
  // The same two passes as the Add Extensions dialog; --yes answers the large-range warning
  // with "create all".
  std::string refusedRange;
  const auto ids = ParseExtensionIds(FromUtf8(p[1]), [&](const std::wstring& item, long long count) {
    if (parsed.Has("yes")) return RangeChoice::kCreateAll;
    refusedRange = FormatString(TrNUtf8("Cli", "the range %1 holds %n extensions; give --yes to create them all",
                                        "the range %1 holds %n extension; give --yes to create them all", count),
                                {ToUtf8(item)});
    return RangeChoice::kCancel;
  });
  if (!ids) {
    ReportFile(c.err, p[0], refusedRange, ECANCELED);
    return kExitFailed;
  }
  if (ids->empty()) {
    ReportFile(c.err, p[0], FormatString(TrUtf8("Cli", "no extension ID in '%1'"), {p[1]}), db::kEmptyId);
    return kExitFailed;
  }
  bool namesOk = true;
  AddExtensionsRequest request{*ids, AddNames(parsed, ids->size(), c, namesOk), FromUtf8(p[2]),
                               FromUtf8(parsed.Value("copy-from").value_or("")), GetDefaultFont(c.profile)};
  if (!namesOk) return kExitFailed;

  auto db = OpenOrReport(p[0], c);
  if (!db) return kExitFailed;
  if (!request.copyFromId.empty() && !db->ExtensionExists(Trim(request.copyFromId))) {
    c.err << "mirn-cli: " << p[0] << ": " << Describe(db::kNoSuchExtension, Trim(request.copyFromId)) << '\n';
    return kExitFailed;
  }
  DDFLibrary library(c.folders);
  library.ScanAll();
  // The replace question is answered by --on-conflict: Yes to All, No each time, or Cancel.
  ScriptedUserInterface ui;
  if (conflict == "replace") ui.messageAnswers.push_back(mb::kIdYesToAll);
  if (conflict == "skip") ui.messageAnswers.assign(ids->size(), mb::kIdNo);
  const AddExtensionsOutcome outcome = CreateExtensions(*db, library, ui, request);
  if (!outcome.ok) {
    const std::wstring typeCode = ToUpper(Trim(request.typeCode));
    if (outcome.unknownTypeCode && !library.Contains(typeCode)) {
      ReportFile(c.err, p[0],
                 FormatString(TrUtf8("Cli", "no layout has type code %1; 'mirn-cli templates' lists the layouts there are"),
                              {ToUtf8(typeCode)}),
                 ENOENT);
    } else if (outcome.unknownTypeCode) {  // installed, but its file cannot be read
      ReportFile(c.err, p[0], Flattened(ui.LastMessage()), ENOENT);
    } else if (outcome.failureCode != 0) {
      c.err << "mirn-cli: " << p[0] << ": " << Describe(outcome.failureCode, outcome.failedId) << '\n';
    } else {
      c.err << "mirn-cli: " << p[0] << ": "
            << Describe(db::kExtensionExists, outcome.failedId, TrUtf8("Cli", "; --on-conflict replace or skip goes on")) << '\n';
    }
    return kExitFailed;  // nothing is saved: the file stays as it was
  }
  for (const auto& id : outcome.skipped) {
    c.err << "mirn-cli: " << p[0] << ": " << Describe(db::kExtensionExists, id, TrUtf8("Cli", ", skipped")) << '\n';
  }
  const int status = SaveOrReport(*db, p[0], c);
  if (status == kExitOk) {
    for (const auto& id : outcome.created) c.out << OneLine(id) << '\n';
  }
  return status;
}

int RunDelete(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {});
  parsed.ExpectPositional(2, 2);
  const std::wstring id = FromUtf8(parsed.Positional()[1]);
  return ChangeAndSave(parsed.Positional()[0], c, [&](MRBBase& db, std::string& failure) {
    const int code = db.DeleteExtension(id);
    failure = Describe(code, id);
    return code == db::kOk ? kExitOk : kExitFailed;
  });
}

int RunUpdate(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"id", true}, {"name", true}});
  parsed.ExpectPositional(2, 2);
  const std::wstring id = FromUtf8(parsed.Positional()[1]);
  std::optional<std::wstring> newId, newName;
  if (auto v = parsed.Value("id")) newId = FromUtf8(*v);
  if (auto v = parsed.Value("name")) newName = FromUtf8(*v);
  if (!newId && !newName) throw UsageError(TrUtf8("Cli", "give --id, --name or both"));
  return ChangeAndSave(parsed.Positional()[0], c, [&](MRBBase& db, std::string& failure) {
    const int code = db.UpdateExtension(id, newId, newName);
    failure = Describe(code, code == db::kExtensionExists ? Trim(*newId) : id);
    return code == db::kOk ? kExitOk : kExitFailed;
  });
}

int RunSetField(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"file", true}, {"plain", true}, {"style", true}});
  const auto fromFile = parsed.Value("file");
  const auto plain = parsed.Value("plain");
  if (fromFile && plain) throw UsageError(TrUtf8("Cli", "give --file or --plain, not both"));
  if (parsed.Has("style") && !plain) throw UsageError("--style needs --plain");
  const bool inOption = fromFile || plain;
  parsed.ExpectPositional(inOption ? 3 : 4, inOption ? 3 : 4);
  const auto& p = parsed.Positional();
  const std::wstring id = FromUtf8(p[1]);
  const int fieldId = ParseFieldId(p[2], "FIELD");
  std::string bytes = inOption ? std::string() : p[3];
  if (fromFile) {
    std::error_code ec;
    if (!ReadWholeFile(*fromFile, bytes, &ec, kFieldFileLimit)) {
      ReportFileError(c.err, *fromFile, TrUtf8("Cli", "cannot read"), ec);
      return kExitFailed;
    }
  }
  std::wstring content = FromUtf8(bytes);
  if (plain) {
    // A plain text is stored in the style's format, or in the "Default Font" preference's.
    const auto style = parsed.Value("style");
    const TextFormat format = style ? ParseStyleString(FromUtf8(*style)) : GetDefaultFont(c.profile);
    content = plain->empty() ? std::wstring() : WriteRtf(format, FromUtf8(*plain));
  }
  return ChangeAndSave(p[0], c, [&](MRBBase& db, std::string& failure) {
    const int code = db.SetField(id, fieldId, content);
    failure = Describe(code, id);
    return code == db::kOk ? kExitOk : kExitFailed;
  });
}

int RunEmbed(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"left", true}, {"top", true}, {"width", true},
                                       {"height", true}, {"locked"}, {"link"}});
  parsed.ExpectPositional(4, 4);
  const auto& p = parsed.Positional();
  const std::wstring id = FromUtf8(p[1]);
  const int slot = ParseFieldId(p[2], "SLOT");
  if (!IsGraphicSlot(slot)) throw UsageError(TrUtf8("Cli", "SLOT must be between 1 and 1024"));
  std::error_code ec;
  const std::filesystem::path picture = std::filesystem::absolute(p[3], ec);
  if (ec || !std::filesystem::is_regular_file(picture, ec)) {
    if (!ec) ec = std::filesystem::exists(picture, ec) ? make_error_code(FileErrc::kNotRegularFile)
                                                       : std::make_error_code(std::errc::no_such_file_or_directory);
    ReportFileError(c.err, p[3], TrUtf8("Cli", "cannot read the picture"), ec);
    return kExitFailed;
  }
  MRBGraphic graphic;
  graphic.fileName = FromPath(picture);
  // The relative name lets the picture be found beside a database that moved with it.
  const std::filesystem::path base = std::filesystem::absolute(p[0], ec).parent_path();
  graphic.relativeName = FromPath(picture.lexically_relative(base));
  graphic.left = static_cast<int32_t>(parsed.IntInRange("left", INT32_MIN, INT32_MAX, 0));
  graphic.top = static_cast<int32_t>(parsed.IntInRange("top", INT32_MIN, INT32_MAX, 0));
  graphic.width = static_cast<int32_t>(parsed.IntInRange("width", INT32_MIN, INT32_MAX, 0));
  graphic.height = static_cast<int32_t>(parsed.IntInRange("height", INT32_MIN, INT32_MAX, 0));
  graphic.locked = parsed.Has("locked");
  graphic.embedded = !parsed.Has("link");
  const int status = ChangeAndSave(p[0], c, [&](MRBBase& db, std::string& failure) {
    const int code = db.SetGraphicField(id, slot, graphic);
    failure = Describe(code, id);
    return code == db::kOk ? kExitOk : kExitFailed;
  });
  if (status == kExitOk && graphic.embedded) c.out << ToUtf8(Sha1OfFile(picture)) << '\n';
  return status;
}

int RunExtract(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"force"}});
  parsed.ExpectPositional(3, 3);
  const auto& p = parsed.Positional();
  std::error_code ec;
  if (!CheckFoldersOrReport({p[2]}, c)) return kExitFailed;
  auto db = OpenToReadOrReport(p[0], c);
  if (!db) return kExitFailed;
  std::filesystem::path extracted;
  std::wstring originalName;
  const int code = db->ExtractGraphic(ToLower(FromUtf8(p[1])), extracted, originalName);
  if (code != db::kOk) {
    ReportFile(c.err, p[0],
               FormatString(TrUtf8("Cli", "cannot extract %1: %2"),
                            {p[1], code == db::kGraphicIo
                                       ? TrUtf8("Cli", "no stored picture has that hash, or it cannot be written")
                                       : ToUtf8(DbResultText(code))}),
               code);
    return kExitFailed;
  }
  const std::filesystem::path target = std::filesystem::path(p[2]) / ToPath(StoredFileName(originalName));
  if (!parsed.Has("force") && std::filesystem::exists(std::filesystem::symlink_status(target, ec))) {
    ReportFile(c.err, target.string(), TrUtf8("Cli", "exists (--force replaces it)"), EEXIST);
    return kExitFailed;
  }
  // The picture is copied into a sibling that takes the name only when complete.
  auto out = BeginOutputOrReport(target, c);
  if (!out) return kExitFailed;
  std::string bytes;
  if (!ReadWholeFile(extracted, bytes, &ec, UINTMAX_MAX) || !WriteAll(out->Descriptor(), bytes, &ec)) {
    ReportWriteFailure(*out, ec, c);
    return kExitFailed;
  }
  if (!CommitOrReport(*out, c)) return kExitFailed;
  c.out << target.string() << '\n';
  return kExitOk;
}

}  // namespace

void RegisterDatabaseCommands(CommandTable& table) {
  table.Add({"new", "FILE [--force]", MIRN_TRANSLATABLE("Cli", "create an empty label database"), RunNew});
  table.Add({"info", "FILE [--json]", MIRN_TRANSLATABLE("Cli", "show the format, versions, counts and type codes of a database"),
             RunInfo});
  table.Add({"list", "FILE [--sort extension|model|name] [--json]",
             MIRN_TRANSLATABLE("Cli", "list the extensions: id, type code, name, modified"), RunList});
  table.Add({"fields", "FILE ID [--json]", MIRN_TRANSLATABLE("Cli", "show the stored fields of one extension"), RunFields});
  table.Add({"add",
             "FILE IDS TYPECODE [NAME | --name NAME | --names-file FILE] [--copy-from ID] "
             "[--on-conflict replace|skip|stop] [--yes]",
             MIRN_TRANSLATABLE("Cli", "add extensions: IDs and ranges as typed in the dialog, with the layout's default texts"),
             RunAdd});
  table.Add({"delete", "FILE ID", MIRN_TRANSLATABLE("Cli", "delete an extension with its fields"), RunDelete});
  table.Add({"update", "FILE ID [--id NEW] [--name NAME]", MIRN_TRANSLATABLE("Cli", "change an extension's id or name"),
             RunUpdate});
  table.Add({"set-field", "FILE ID FIELD (TEXT | --file PATH | --plain TEXT [--style STYLE])",
             MIRN_TRANSLATABLE("Cli", "set the stored text of a field (empty text removes it)"), RunSetField});
  table.Add({"embed",
             "FILE ID SLOT PICTURE [--left N] [--top N] [--width N] [--height N] [--locked] [--link]",
             MIRN_TRANSLATABLE("Cli", "put a picture into a graphic slot (1-1024), stored in the file unless --link"),
             RunEmbed});
  table.Add({"extract", "FILE HASH DIR [--force]", MIRN_TRANSLATABLE("Cli", "write a stored picture into a folder"),
             RunExtract});
}

}  // namespace mirn::cli
