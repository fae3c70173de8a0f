#include "legacy/LegacyConverter.h"

#include <cmath>
#include <limits>

#include "db/MRBBase.h"
#include "db/MRBGraphic.h"
#include "db/SQLiteDB.h"
#include "legacy/LegacyError.h"
#include "legacy/LegacyGraphic.h"
#include "util/DateTime.h"
#include "util/Text.h"
#include "xbase/BaseDbf.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {

namespace {

const std::string& TextOf(const xbase::Record& record, const char* column) {
  const auto found = record.find(column);
  const auto* text = found == record.end() ? nullptr : std::get_if<std::string>(&found->second);
  if (!text) throw LegacyError(FormatString(TrUtf8("LegacyReader", "the column %1 is missing or not text"), {column}));
  return *text;
}

double NumberOf(const xbase::Record& record, const char* column) {
  const auto found = record.find(column);
  const auto* number = found == record.end() ? nullptr : std::get_if<double>(&found->second);
  if (!number) throw LegacyError(FormatString(TrUtf8("LegacyReader", "the column %1 is missing or not a number"), {column}));
  return *number;
}

// Calls `convert` with each record that is not deleted, reading one record at a time.
template <typename Convert>
void ForEachLiveRecord(xbase::BaseDbf& table, Convert convert) {
  for (std::uint32_t row = 1; row <= table.GetRecordCount(); ++row) {
    const xbase::Record record = table.ReadRecord(row);
    const auto deleted = record.find(xbase::kDeletedKey);
    if (deleted != record.end() && std::get<bool>(deleted->second)) continue;
    convert(row, record);
  }
}

// A number truncated toward zero into [low, high]; false when it is not finite or outside.
template <typename Integer>
bool TruncateInto(double value, Integer low, Integer high, Integer& out) {
  if (!std::isfinite(value)) return false;
  const double truncated = std::trunc(value);
  if (truncated < static_cast<double>(low) || truncated > static_cast<double>(high)) return false;
  out = static_cast<Integer>(truncated);
  return true;
}

std::wstring ModifiedStamp(double seconds) {
  // Stamps outside the years 1 to 9999 have no four-digit form; they become the nearest end.
  constexpr std::int64_t kFirst = -62135596800;  // 0001-01-01 00:00
  constexpr std::int64_t kLast = 253402300799;   // 9999-12-31 23:59:59
  std::int64_t whole = 0;
  if (!TruncateInto<std::int64_t>(seconds, kFirst, kLast, whole)) {
    whole = std::isfinite(seconds) && seconds > 0 ? kLast : (std::isnan(seconds) ? 0 : kFirst);
  }
  return FormatIsoBasic(FromEpochSeconds(whole));
}

std::string GraphicDescription(std::string_view content) {
  const LegacyGraphic legacy = ParseLegacyGraphic(content);
  MRBGraphic graphic;
  graphic.fileName = legacy.fileName;
  graphic.relativeName = legacy.relativeName;
  graphic.left = legacy.left;
  graphic.top = legacy.top;
  graphic.width = legacy.width;
  graphic.height = legacy.height;
  return graphic.ToJson();
}

void Run(SQLiteDB& db, const wchar_t* sql) {
  if (!db.Execute(sql)) throw LegacyError(FormatString(TrUtf8("LegacyReader", "could not create the database schema: %1"), {db.LastError()}));
}

void Step(SQLiteDB& db, SQLiteCursorImpl& insert, const std::string& what) {
  if (!insert.StepDone()) throw LegacyError(FormatString(TrUtf8("LegacyReader", "could not add %1: %2"), {what, db.LastError()}));
  insert.Reset();
}

// A record whose extension id is blank names no extension: stored, its empty id could be
// neither shown nor chosen, so it is left out and counted.
bool IsBlankId(const std::string& id) { return id.find_first_not_of(" \t\r\n") == std::string::npos; }

long long ConvertExtensions(xbase::BaseDbf& table, SQLiteDB& db) {
  const SQLiteCursor insert = db.Prepare(
      L"INSERT INTO extension (id, typecode, name, modified) VALUES (:id, :typecode, :name, "
      L":modified);",
      false);
  long long blank = 0;
  ForEachLiveRecord(table, [&](std::uint32_t, const xbase::Record& record) {
    const std::string& id = TextOf(record, "EXTENSION");
    if (IsBlankId(id)) {
      ++blank;
      return;
    }
    insert->BindText(":id", FromCp1252(id));
    insert->BindText(":typecode", FromCp1252(TextOf(record, "TYPE")));
    insert->BindText(":name", FromCp1252(TextOf(record, "NAME")));
    insert->BindText(":modified", ModifiedStamp(NumberOf(record, "MODIFIED")));
    Step(db, *insert, FormatString(TrUtf8("LegacyReader", "extension %1"), {ToUtf8(FromCp1252(id))}));
  });
  return blank;
}

void ConvertFields(xbase::BaseDbf& table, SQLiteDB& db) {
  const SQLiteCursor insert = db.Prepare(
      L"INSERT INTO field (extension_id, field_id, content) VALUES (:extension_id, :field_id, "
      L":content);",
      false);
  ForEachLiveRecord(table, [&](std::uint32_t row, const xbase::Record& record) {
    if (IsBlankId(TextOf(record, "EXTENSION"))) return;  // the fields of a record left out
    const std::wstring extension = FromCp1252(TextOf(record, "EXTENSION"));
    int fieldId = 0;
    if (!TruncateInto<int>(NumberOf(record, "FIELD"), std::numeric_limits<int>::min(),
                           std::numeric_limits<int>::max(), fieldId)) {
      throw LegacyError(FormatString(TrUtf8("LegacyReader", "the field number of row %1 is out of range"), {std::to_string(row)}));
    }
    const std::string& content = TextOf(record, "CONTENT");
    insert->BindText(":extension_id", extension);
    insert->BindInt(":field_id", fieldId);
    if (IsLegacyGraphic(content)) {
      insert->BindUtf8(":content", GraphicDescription(content));
    } else {
      insert->BindText(":content", FromCp1252(content));
    }
    Step(db, *insert, FormatString(TrUtf8("LegacyReader", "field %1 of extension %2"), {std::to_string(fieldId), ToUtf8(extension)}));
  });
}

}  // namespace

long long ConvertLegacyTables(const LegacyParts& parts, const std::filesystem::path& target) {
  const auto extensions = xbase::OpenTable(parts.extensionTable);
  const auto fields = xbase::OpenTable(parts.fieldTable);
  // Closing the connection without a commit (any throw below) rolls everything back.
  SQLiteDB db;
  if (!db.Open(target)) throw LegacyError(TrUtf8("LegacyReader", "could not create the converted database"));
  Run(db, schema::kMeta300);
  Run(db, schema::kExtension300);
  Run(db, schema::kField300);
  const long long blank = ConvertExtensions(*extensions, db);
  ConvertFields(*fields, db);
  if (!db.Commit()) throw LegacyError(FormatString(TrUtf8("LegacyReader", "could not commit the converted database: %1"), {db.LastError()}));
  db.Close();
  return blank;
}

}  // namespace mirn
