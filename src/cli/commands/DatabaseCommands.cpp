// Commands on label databases: create one, show what it holds, and change extensions, fields
// and pictures. Every change goes through the working copy and reaches the user's file only
// by a complete save.

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <ostream>
#include <sstream>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/Messages.h"
#include "cli/commands/CommandGroups.h"
#include "db/DbRanges.h"
#include "db/GraphicFiles.h"
#include "json/Json.h"
#include "platform/AtomicWrite.h"
#include "platform/FileErrors.h"
#include "platform/FileLock.h"
#include "platform/KnownFolders.h"
#include "store/OpenDatabase.h"
#include "text/CRTFText.h"
#include "text/MRBFieldTextSource.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

// A field's text read from a file: far more than any label holds, yet never all of memory.
constexpr std::uintmax_t kFieldFileLimit = 16u << 20;

std::string Quoted(std::wstring_view id) { return "'" + ToUtf8(id) + "'"; }

// A failed operation in words, naming the extension where the code is about one.
std::string Describe(int code, std::wstring_view id = {}) {
  std::string text;
  switch (code) {
    case db::kExtensionExists: text = "extension " + Quoted(id) + " already exists"; break;
    case db::kNoSuchExtension: text = "there is no extension " + Quoted(id); break;
    default: text = ToUtf8(DbResultText(code)); break;
  }
  return text + " (code " + std::to_string(code) + ")";
}

// Runs one change on an opened database and saves it; a failing change leaves the file alone.
int ChangeAndSave(const std::string& file, Context& c,
                  const std::function<int(MRBBase&, std::string& failure)>& change) {
  auto db = OpenOrReport(file, c);
  if (!db || !CheckWritableOrReport(file, c)) return kExitFailed;
  std::string failure;
  if (change(*db, failure) != kExitOk) {
    c.err << "mirn-cli: " << file << ": " << failure << '\n';
    return kExitFailed;
  }
  return SaveOrReport(*db, file, c);
}

int ParseFieldId(const std::string& text, const char* what) {
  long long value = 0;
  if (!ParseInt(FromUtf8(text), value) || value < INT32_MIN || value > INT32_MAX) {
    throw UsageError(std::string(what) + " must be a whole number: '" + text + "'");
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

// Text output keeps one record per line: backslashes, tabs and line breaks are escaped.
std::string OneLine(std::wstring_view text) {
  std::string out;
  for (const char ch : ToUtf8(text)) {
    switch (ch) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += ch; break;
    }
  }
  return out;
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
      ReportFile(c.err, path.string(), "exists (--force replaces it)", EEXIST);
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
  const int format = DetectFormat(file);
  json::Value info;
  info["format"] = FormatName(format);
  if (format == format::kCurrent || format == format::kLegacy) {
    auto db = OpenOrReport(file, c);
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

int RunList(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"json"}});
  parsed.ExpectPositional(1, 1);
  auto db = OpenOrReport(parsed.Positional()[0], c);
  if (!db) return kExitFailed;
  json::Value list = json::Value::array();
  for (const auto& id : db->Extensions()) {
    std::wstring typecode, name;
    LocalDateTime modified;
    db->GetExtension(id, typecode, name, &modified);
    if (parsed.Has("json")) {
      list.push_back({{"id", ToUtf8(id)}, {"typecode", ToUtf8(typecode)}, {"name", ToUtf8(name)},
                      {"modified", ToUtf8(FormatIsoBasic(modified))}});
    } else {
      c.out << OneLine(id) << '\t' << OneLine(typecode) << '\t' << OneLine(name) << '\t'
            << ToUtf8(FormatIsoBasic(modified)) << '\n';
    }
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
  auto db = OpenOrReport(parsed.Positional()[0], c);
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

int RunAdd(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {});
  parsed.ExpectPositional(3, 4);
  const auto& p = parsed.Positional();
  const std::wstring id = FromUtf8(p[1]);
  const std::wstring name = p.size() > 3 ? FromUtf8(p[3]) : std::wstring();
  return ChangeAndSave(p[0], c, [&](MRBBase& db, std::string& failure) {
    const int code = db.AddExtension(id, FromUtf8(p[2]), name);
    failure = Describe(code, Trim(id));
    return code == db::kOk ? kExitOk : kExitFailed;
  });
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
  if (!newId && !newName) throw UsageError("give --id, --name or both");
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
  if (fromFile && plain) throw UsageError("give --file or --plain, not both");
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
      ReportFileError(c.err, *fromFile, "cannot read", ec);
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
  if (!IsGraphicSlot(slot)) throw UsageError("SLOT must be between 1 and 1024");
  std::error_code ec;
  const std::filesystem::path picture = std::filesystem::absolute(p[3], ec);
  if (ec || !std::filesystem::is_regular_file(picture, ec)) {
    if (!ec) ec = std::filesystem::exists(picture, ec) ? make_error_code(FileErrc::kNotRegularFile)
                                                       : std::make_error_code(std::errc::no_such_file_or_directory);
    ReportFileError(c.err, p[3], "cannot read the picture", ec);
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
  if (!std::filesystem::is_directory(p[2], ec)) {
    ReportFile(c.err, p[2], "is not a folder", ENOTDIR);
    return kExitFailed;
  }
  auto db = OpenOrReport(p[0], c);
  if (!db) return kExitFailed;
  std::filesystem::path extracted;
  std::wstring originalName;
  const int code = db->ExtractGraphic(ToLower(FromUtf8(p[1])), extracted, originalName);
  if (code != db::kOk) {
    ReportFile(c.err, p[0],
               "cannot extract " + p[1] + ": " +
                   (code == db::kGraphicIo ? "no stored picture has that hash, or it cannot be written"
                                           : ToUtf8(DbResultText(code))),
               code);
    return kExitFailed;
  }
  const std::filesystem::path target = std::filesystem::path(p[2]) / ToPath(StoredFileName(originalName));
  if (!parsed.Has("force") && std::filesystem::exists(std::filesystem::symlink_status(target, ec))) {
    ReportFile(c.err, target.string(), "exists (--force replaces it)", EEXIST);
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
  table.Add({"new", "FILE [--force]", "create an empty label database", RunNew});
  table.Add({"info", "FILE [--json]", "show the format, versions, counts and type codes of a database",
             RunInfo});
  table.Add({"list", "FILE [--json]", "list the extensions: id, type code, name, modified", RunList});
  table.Add({"fields", "FILE ID [--json]", "show the stored fields of one extension", RunFields});
  table.Add({"add", "FILE ID TYPECODE [NAME]", "add an extension", RunAdd});
  table.Add({"delete", "FILE ID", "delete an extension with its fields", RunDelete});
  table.Add({"update", "FILE ID [--id NEW] [--name NAME]", "change an extension's id or name",
             RunUpdate});
  table.Add({"set-field", "FILE ID FIELD (TEXT | --file PATH | --plain TEXT [--style STYLE])",
             "set the stored text of a field (empty text removes it)", RunSetField});
  table.Add({"embed",
             "FILE ID SLOT PICTURE [--left N --top N --width N --height N --locked] [--link]",
             "put a picture into a graphic slot (1-1024), stored in the file unless --link",
             RunEmbed});
  table.Add({"extract", "FILE HASH DIR [--force]", "write a stored picture into a folder",
             RunExtract});
}

}  // namespace mirn::cli
