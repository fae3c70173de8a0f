#include "db/MRBBase.h"

#include <sqlite3.h>

#include <algorithm>

#include "db/DbRanges.h"
#include "db/SQLiteDB.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "util/Text.h"

namespace mirn {
namespace {

const SystemClock& DefaultClock() {
  static const SystemClock clock;
  return clock;
}

// A stored "modified" stamp: the basic ISO form, perhaps with a fraction of a second.
LocalDateTime ParseModified(const std::wstring& text) {
  const auto point = text.find(L'.');
  const auto parsed = ParseIsoBasic(point == std::wstring::npos ? text : text.substr(0, point));
  return parsed.value_or(LocalDateTime{});
}

// Runs a change of one extension row: 2 when it fails, 12 when no row had that id.
int StepRowChange(SQLiteDB& db, SQLiteCursorImpl& c) {
  const bool done = c.StepDone();
  c.Reset();
  if (!done) return db::kSqlFailed;
  return db.Changes() == 0 ? db::kNoSuchExtension : db::kOk;
}

}  // namespace

MRBBase::MRBBase()
    : db_(std::make_shared<SQLiteDB>()),
      clock_(&DefaultClock()),
      tempFolder_(XdgKnownFolders().Get(KnownFolder::Temp)) {}

MRBBase::~MRBBase() {
  for (const auto& path : temporaryFiles_) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
}

bool MRBBase::IsModified() const { return modified_; }
void MRBBase::SetModified() { modified_ = true; }
void MRBBase::ClearModified() { modified_ = false; }

bool MRBBase::IsOpen() const { return db_ && db_->IsOpen(); }

void MRBBase::AddTemporaryFile(const std::filesystem::path& path) {
  for (const auto& known : temporaryFiles_) {
    if (known == path) return;
  }
  temporaryFiles_.push_back(path);
}

std::wstring MRBBase::Now() const { return FormatIsoBasic(clock_->Now()); }

int MRBBase::SqlFailure() const { return db_->DiskFull() ? db::kDiskFull : db::kSqlFailed; }

// ---- extensions ---------------------------------------------------------------------------

bool MRBBase::ExtensionExists(std::wstring_view id) {
  if (!IsOpen()) return false;
  auto c = db_->Prepare(L"SELECT 1 FROM extension WHERE id=:id;", true);
  c->BindText(":id", id);
  const bool found = c->Step();
  c->Reset();
  return found;
}

int MRBBase::AddExtension(std::wstring_view id, std::wstring_view typecode,
                          std::wstring_view name) {
  if (!IsOpen()) return db::kNotOpen;
  // Emptiness and existence are judged on the id as it will be stored, so that " " is not
  // stored as an empty id and " 42 " is reported as a duplicate of "42".
  const std::wstring storedId = Trim(id);
  if (storedId.empty()) return db::kEmptyId;
  auto c = db_->Prepare(
      L"INSERT INTO extension (id, typecode, name, modified) "
      L"VALUES (:id, :typecode, :name, :modified);",
      true);
  c->BindText(":id", storedId);
  c->BindText(":typecode", Trim(typecode));
  c->BindText(":name", Trim(name));
  c->BindText(":modified", Now());
  if (c->StepDone()) {
    c->Reset();
    SetModified();
    return db::kOk;
  }
  // The insert itself detects a duplicate id; asking first would cost a lookup per row.
  const bool duplicate = c->LastStepViolatedConstraint();
  c->Reset();
  if (duplicate && ExtensionExists(storedId)) return db::kExtensionExists;
  return SqlFailure();
}

int MRBBase::DeleteExtension(std::wstring_view id) {
  if (!IsOpen()) return db::kNotOpen;
  auto c = db_->Prepare(L"DELETE FROM extension WHERE id=:id;", true);
  c->BindText(":id", id);
  const int rc = StepRowChange(*db_, *c);
  if (rc == db::kOk) SetModified();
  return rc;
}

int MRBBase::UpdateExtension(std::wstring_view oldId, std::optional<std::wstring> newId,
                             std::optional<std::wstring> newName) {
  if (!IsOpen()) return db::kNotOpen;
  if (!ExtensionExists(oldId)) return db::kNoSuchExtension;
  std::wstring sql = L"UPDATE extension SET ";
  if (newId) {
    newId = Trim(*newId);
    if (newId->empty()) return db::kEmptyId;
    if (ExtensionExists(*newId)) return db::kExtensionExists;
    sql += L"id=:id, ";
  }
  if (newName) {
    newName = Trim(*newName);
    sql += L"name=:name, ";
  }
  if (!newId && !newName) return db::kOk;
  sql += L"modified=:modified WHERE id=:old_id;";
  auto c = db_->Prepare(sql, true);
  c->BindText(":modified", Now());
  c->BindText(":old_id", oldId);
  if (newId) c->BindText(":id", *newId);
  if (newName) c->BindText(":name", *newName);
  const bool done = c->StepDone();
  c->Reset();
  if (!done) return db::kSqlFailed;
  SetModified();
  return db::kOk;
}

int MRBBase::GetExtension(std::wstring_view id, std::wstring& typecode, std::wstring& name,
                          LocalDateTime* modified) {
  if (!IsOpen()) return db::kNotOpen;
  auto c = db_->Prepare(modified ? L"SELECT typecode, name, modified FROM extension WHERE id=:id;"
                                 : L"SELECT typecode, name FROM extension WHERE id=:id;",
                        true);
  c->BindText(":id", id);
  if (!c->Step()) {
    c->Reset();
    return ExtensionExists(id) ? db::kNoRow : db::kNoSuchExtension;
  }
  typecode = ToUpper(c->GetText(0));
  name = c->GetText(1);
  if (modified) *modified = ParseModified(c->GetText(2));
  c->Reset();
  return db::kOk;
}

std::wstring MRBBase::GetTypeCode(std::wstring_view id) {
  std::wstring typecode, name;
  return GetExtension(id, typecode, name) == db::kOk ? typecode : std::wstring();
}

std::wstring MRBBase::GetName(std::wstring_view id) {
  std::wstring typecode, name;
  return GetExtension(id, typecode, name) == db::kOk ? name : std::wstring();
}

bool MRBBase::GetNextExtension(std::wstring_view afterId, std::wstring& id) {
  if (!IsOpen()) return false;
  // Only non-empty text ids take part. An empty id would be found again as "the first" after
  // itself, and a blob sorts above every text, so either would make a walk start over for
  // ever; such rows are left to CountUnwalkableExtensions.
  // The second column says whether the id found lies after the one given in plain binary
  // order, whatever the schema says: see StepsForward.
  auto c = db_->Prepare(
      L"SELECT id, CAST(id AS TEXT) > CAST(:id AS TEXT) COLLATE BINARY FROM extension "
      L"WHERE id > :id AND typeof(id)='text' ORDER BY id LIMIT 1;",
      true);
  std::u16string after = ToUtf16(afterId);
  for (;;) {
    c->BindUtf16(":id", after);
    if (!c->Step()) {
      c->Reset();
      return false;
    }
    std::u16string units = c->GetUtf16(0);
    const bool forward = c->GetInt(1) != 0;
    c->Reset();
    // A damaged schema can make the comparison find an earlier id again (an id column of
    // numeric affinity compares the bound text as a number, below every stored text, so
    // "!" leads to "10" and "10" back to "!"): the walk ends instead of going round for ever.
    if (!forward || units == after) return false;
    std::wstring text = FromUtf16(units);
    // An id that is not text (a lone surrogate) reads as the replacement character, which
    // may sort below it, so it would be found again after itself: step over it as stored.
    if (ToUtf16(text) == units) {
      id = std::move(text);
      return true;
    }
    after = std::move(units);
  }
}

int MRBBase::ReadExtensionRows(const std::function<bool(const ExtensionRow&)>& row) {
  if (!IsOpen()) return db::kNotOpen;
  auto c = db_->Prepare(
      L"SELECT id, typecode, name, modified FROM extension WHERE id > '' AND typeof(id)='text' "
      L"ORDER BY id;",
      false);
  ExtensionRow current;
  while (c->Step()) {
    std::wstring id = c->GetText(0);
    // The walk steps to ids above the last one, so a file that holds an id twice (one made
    // without the key) shows it once.
    if (!current.id.empty() && id == current.id) continue;
    current.id = std::move(id);
    current.typecode = ToUpper(c->GetText(1));
    current.name = c->GetText(2);
    current.modified = ParseModified(c->GetText(3));
    if (!row(current)) return db::kOk;
  }
  return c->LastStepResult() == SQLITE_DONE ? db::kOk : db::kSqlFailed;
}

int MRBBase::ReadExtensionRows(ExtensionRowCursor& cursor, int limit,
                               const std::function<void(const ExtensionRow&)>& row) {
  if (!IsOpen()) return db::kNotOpen;
  if (cursor.done) return db::kOk;
  auto c = db_->Prepare(
      L"SELECT id, typecode, name, modified, CAST(id AS TEXT) > CAST(:after AS TEXT) COLLATE BINARY "
      L"FROM extension WHERE id > :after AND typeof(id)='text' ORDER BY id LIMIT :limit;",
      true);
  c->BindUtf16(":after", cursor.after);
  c->BindInt(":limit", limit);
  int stepped = 0;
  bool moved = false;
  ExtensionRow current;
  while (c->Step()) {
    ++stepped;
    // The step goes on from the stored units: an id that is not text reads as the
    // replacement character, which would not find its place again. A damaged schema that
    // finds the same id again (numeric affinity) ends the read, as it ends the walk.
    std::u16string units = c->GetUtf16(0);
    if (units == cursor.after) continue;
    // As in GetNextExtension: a step that does not lead forward in binary order (a damaged
    // schema) ends the read, so the cursor only ever moves forward.
    if (c->GetInt(4) == 0) {
      stepped = limit;
      moved = false;
      break;
    }
    cursor.after = std::move(units);
    moved = true;
    std::wstring id = c->GetText(0);
    if (!current.id.empty() && id == current.id) continue;
    current.id = std::move(id);
    current.typecode = ToUpper(c->GetText(1));
    current.name = c->GetText(2);
    current.modified = ParseModified(c->GetText(3));
    row(current);
  }
  const bool failed = c->LastStepResult() != SQLITE_DONE;
  c->Reset();
  if (failed) {
    cursor.done = true;
    return db::kSqlFailed;
  }
  if (stepped < limit || !moved) cursor.done = true;
  return db::kOk;
}

int MRBBase::CountUnwalkableExtensions() {
  if (!IsOpen()) return 0;
  // The ids the walks cannot reach (not text, or text the id column's collation holds equal
  // to ''), counted as ranges of SQLite's order (NULL; numbers, then text up to ''; blobs), so
  // that the id index answers without reading the table.
  auto c = db_->Prepare(
      L"SELECT (SELECT COUNT(*) FROM extension WHERE id IS NULL) + "
      L"(SELECT COUNT(*) FROM extension WHERE id <= '') + "
      L"(SELECT COUNT(*) FROM extension WHERE id >= x'');",
      false);
  return c->Step() ? c->GetInt(0) : 0;
}

int MRBBase::GetExtensionCount() {
  if (!IsOpen()) return 0;
  auto c = db_->Prepare(L"SELECT COUNT(*) FROM extension;", false);
  return c->Step() ? c->GetInt(0) : 0;
}

std::vector<std::wstring> MRBBase::GetExtensionsWithTypeCode(std::wstring_view typecode) {
  std::vector<std::wstring> ids;
  if (!IsOpen() || typecode.empty()) return ids;
  // As the walks: rows whose id is empty or not text cannot be addressed by their id.
  auto c = db_->Prepare(
      L"SELECT id FROM extension WHERE typecode=:typecode AND typeof(id)='text' AND id<>'' ORDER BY id", true);
  c->BindText(":typecode", typecode);
  while (c->Step()) ids.push_back(c->GetText(0));
  c->Reset();
  return ids;
}

int MRBBase::ChangeTypeCode(std::wstring_view id, std::wstring_view typecode) {
  if (!IsOpen()) return db::kNotOpen;
  auto c = db_->Prepare(L"UPDATE extension SET typecode=:typecode WHERE id=:id", true);
  c->BindText(":typecode", typecode);
  c->BindText(":id", id);
  const int rc = StepRowChange(*db_, *c);
  if (rc == db::kOk) SetModified();
  return rc;
}

std::set<std::wstring> MRBBase::GetTypeCodes() {
  std::set<std::wstring> codes;
  if (!IsOpen()) return codes;
  EnsureVersion(303);  // the index makes the query cheap; without it the query still works
  auto c = db_->Prepare(L"SELECT DISTINCT typecode FROM extension;", false);
  while (c->Step()) codes.insert(c->GetText(0));
  return codes;
}

ExtensionRange MRBBase::Extensions() { return ExtensionRange(this); }

// ---- fields -------------------------------------------------------------------------------

int MRBBase::SetField(std::wstring_view id, int fieldId, std::wstring_view content) {
  if (!IsOpen()) return db::kNotOpen;
  SQLiteCursor c;
  if (content.empty()) {
    c = db_->Prepare(L"DELETE FROM field WHERE extension_id=:extension_id AND field_id=:field_id;",
                     true);
  } else {
    c = db_->Prepare(
        L"INSERT OR REPLACE INTO field (extension_id, field_id, content) "
        L"VALUES (:extension_id, :field_id, :content);",
        true);
    c->BindText(":content", content);
  }
  c->BindText(":extension_id", id);
  c->BindInt(":field_id", fieldId);
  const bool done = c->StepDone();
  const bool constraint = c->LastStepViolatedConstraint();
  c->Reset();
  // A field of a missing extension fails the foreign key (insert) or deletes nothing
  // (delete); only then is it worth asking whether the extension exists.
  if (!done) return constraint && !ExtensionExists(id) ? db::kNoSuchExtension : SqlFailure();
  if (content.empty() && db_->Changes() == 0 && !ExtensionExists(id)) {
    return db::kNoSuchExtension;
  }
  SetModified();
  return db::kOk;
}

int MRBBase::InsertField(std::wstring_view id, int fieldId, std::wstring_view content) {
  if (!IsOpen()) return db::kNotOpen;
  if (content.empty()) return SetField(id, fieldId, content);
  auto c = db_->Prepare(
      L"INSERT INTO field (extension_id, field_id, content) "
      L"VALUES (:extension_id, :field_id, :content);",
      true);
  c->BindText(":extension_id", id);
  c->BindInt(":field_id", fieldId);
  c->BindText(":content", content);
  const bool done = c->StepDone();
  const bool constraint = c->LastStepViolatedConstraint();
  c->Reset();
  if (done) {
    SetModified();
    return db::kOk;
  }
  // The key was taken or the extension is missing: SetField tells them apart.
  return constraint ? SetField(id, fieldId, content) : SqlFailure();
}

const MRBBase::FieldCache& MRBBase::CachedFields(std::wstring_view id) {
  const uint64_t stamp = db_->ChangeStamp();
  if (fieldCache_.stamp == stamp && fieldCache_.id == id) return fieldCache_;
  fieldCache_.id = id;
  fieldCache_.fields.clear();
  auto c = db_->Prepare(
      L"SELECT field_id, content FROM field WHERE extension_id=:extension_id ORDER BY field_id;",
      true);
  c->BindText(":extension_id", id);
  while (c->Step()) fieldCache_.fields.emplace_back(c->GetInt(0), c->GetText(1));
  const bool complete = c->LastStepResult() == 101;  // SQLITE_DONE: every row was read
  c->Reset();
  // A field id stored as text or a blob sorts after every number in SQL but reads as a
  // number here; the lookups need numeric order, or a walk could step back and repeat.
  std::stable_sort(fieldCache_.fields.begin(), fieldCache_.fields.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  fieldCache_.stamp = complete ? stamp : 0;
  return fieldCache_;
}

std::wstring MRBBase::GetField(std::wstring_view id, int fieldId) {
  if (!IsOpen()) return {};
  const auto& fields = CachedFields(id).fields;
  const auto it = std::lower_bound(fields.begin(), fields.end(), fieldId,
                                   [](const auto& field, int wanted) { return field.first < wanted; });
  return it != fields.end() && it->first == fieldId ? it->second : std::wstring();
}

bool MRBBase::FieldExists(std::wstring_view id, int fieldId) {
  if (!IsOpen() || id.empty()) return false;
  const auto& fields = CachedFields(id).fields;
  return std::binary_search(fields.begin(), fields.end(), std::pair<int, std::wstring>(fieldId, {}),
                            [](const auto& a, const auto& b) { return a.first < b.first; });
}

int MRBBase::GetNextFieldId(std::wstring_view id, int afterFieldId) {
  if (!IsOpen()) return 0;
  const auto& fields = CachedFields(id).fields;
  const auto it = std::upper_bound(fields.begin(), fields.end(), afterFieldId,
                                   [](int after, const auto& field) { return after < field.first; });
  return it == fields.end() ? 0 : it->first;
}

FieldIdRange MRBBase::FieldIds(std::wstring_view id) { return FieldIdRange(this, std::wstring(id)); }

// ---- selections ---------------------------------------------------------------------------

int MRBBase::SaveSelections(const std::vector<std::wstring>& ids) {
  if (!IsOpen()) return db::kNotOpen;
  if (const int rc = EnsureVersion(301); rc != db::kOk) return rc;
  if (!db_->Prepare(L"DELETE FROM selections;", true)->StepDone()) return db::kSqlFailed;
  for (const auto& id : ids) {
    auto c = db_->Prepare(L"INSERT INTO selections (extension_id) VALUES (:extension_id);", true);
    c->BindText(":extension_id", id);
    const bool done = c->StepDone();
    c->Reset();
    if (!done) return db::kSqlFailed;
  }
  SetModified();
  return db::kOk;
}

std::vector<std::wstring> MRBBase::LoadSelections() {
  std::vector<std::wstring> ids;
  if (!IsOpen() || !HasVersion(301)) return ids;
  auto c = db_->Prepare(L"SELECT extension_id FROM selections;", true);
  while (c->Step()) ids.push_back(c->GetText(0));
  c->Reset();
  return ids;
}

}  // namespace mirn
