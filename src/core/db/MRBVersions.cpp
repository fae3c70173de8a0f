// Schema versions of a label database: the "versions" list in meta and the on-demand
// upgrades that add the selections table (301), the graphics table (302) and the type-code
// index (303).

#include <algorithm>
#include <cstdint>
#include <string>

#include "db/MRBBase.h"
#include "db/SQLiteDB.h"
#include "util/Text.h"

namespace mirn {

namespace schema {
const wchar_t* const kMeta300 =
    L"CREATE TABLE meta (key TEXT NOT NULL PRIMARY KEY, value TEXT NOT NULL DEFAULT (''));"
    L"INSERT INTO meta (key, value) VALUES ('kind', 'mrb');"
    L"INSERT INTO meta (key, value) VALUES ('versions', '300');";
const wchar_t* const kExtension300 =
    L"CREATE TABLE extension (id TEXT NOT NULL PRIMARY KEY, typecode TEXT NOT NULL, "
    L"name TEXT NOT NULL DEFAULT (''), modified TEXT NOT NULL);";
const wchar_t* const kField300 =
    L"CREATE TABLE field (extension_id TEXT NOT NULL REFERENCES extension(id) ON UPDATE CASCADE "
    L"ON DELETE CASCADE, field_id INTEGER NOT NULL, content TEXT NOT NULL DEFAULT (''), "
    L"PRIMARY KEY (extension_id, field_id));"
    L"CREATE INDEX field__field_id ON field (field_id);";
const wchar_t* const kSelections301 =
    L"CREATE TABLE selections (extension_id TEXT NOT NULL PRIMARY KEY REFERENCES extension(id) "
    L"ON UPDATE CASCADE ON DELETE CASCADE);";
const wchar_t* const kGraphics302 =
    L"CREATE TABLE graphics (hash TEXT NOT NULL PRIMARY KEY,file_size INTEGER NOT NULL, "
    L"original_name TEXT NOT NULL, content BLOB NOT NULL);";
const wchar_t* const kTypeCodeIndex303 = L"CREATE INDEX extension__typecode ON extension (typecode);";
}  // namespace schema

namespace {

// "300, 301" -> {300, 301}: tokens between runs of blanks and commas; others are skipped.
std::set<int> ParseVersions(const std::wstring& text) {
  std::set<int> versions;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t start = text.find_first_not_of(L" ,", pos);
    if (start == std::wstring::npos) break;
    const size_t stop = std::min(text.find_first_of(L" ,", start), text.size());
    long long value = 0;
    if (ParseInt(std::wstring_view(text).substr(start, stop - start), value) &&
        value >= INT32_MIN && value <= INT32_MAX) {
      versions.insert(static_cast<int>(value));
    }
    pos = stop;
  }
  return versions;
}

}  // namespace

std::set<int> MRBBase::GetVersions() {
  if (!IsOpen()) return {};
  return ReadVersions(*db_);
}

std::set<int> MRBBase::ReadVersions(SQLiteDB& db) {
  auto c = db.Prepare(L"SELECT value FROM meta WHERE key=:key;", true);
  c->BindText(":key", L"versions");
  const std::wstring text = c->Step() ? c->GetText(0) : std::wstring();
  c->Reset();
  return ParseVersions(text);
}

bool MRBBase::HasVersion(int version) { return GetVersions().count(version) != 0; }

int MRBBase::AddVersion(int version) {
  if (!IsOpen()) return db::kNotOpen;
  std::set<int> versions = GetVersions();
  if (!versions.insert(version).second) return db::kOk;
  std::wstring joined;
  for (int v : versions) {
    if (!joined.empty()) joined += L", ";
    joined += std::to_wstring(v);
  }
  auto c = db_->Prepare(L"INSERT OR REPLACE INTO meta (key, value) VALUES (:key, :value);", true);
  c->BindText(":key", L"versions");
  c->BindText(":value", joined);
  const bool done = c->StepDone();
  c->Reset();
  if (!done) return db::kSqlFailed;
  SetModified();
  return db::kOk;
}

int MRBBase::EnsureVersion(int version) {
  if (!IsOpen()) return db::kNotOpen;
  const std::set<int> versions = GetVersions();
  if (versions.count(version)) return db::kOk;
  // A file opened only to be read keeps its schema; callers carry on without the upgrade.
  if (db_->IsReadOnly()) return db::kReadOnly;
  const int latest = versions.empty() ? 0 : *versions.rbegin();
  struct Step {
    bool wanted;
    const wchar_t* sql;
    int number;
  };
  const Step steps[] = {
      {version > 300 && latest <= 300, schema::kSelections301, 301},
      {version > 301 && latest < 302, schema::kGraphics302, 302},
      {version > 302 && latest < 303, schema::kTypeCodeIndex303, 303},
  };
  for (const Step& step : steps) {
    if (!step.wanted) continue;
    if (!db_->Execute(step.sql)) return db::kSqlFailed;
    if (const int rc = AddVersion(step.number); rc != db::kOk) return rc;
  }
  return HasVersion(version) ? db::kOk : db::kVersionMissing;
}

}  // namespace mirn
