#include "db/SQLiteDB.h"

#include <sqlite3.h>

#include <algorithm>
#include <istream>
#include <ostream>
#include <vector>

#include "util/Text.h"

namespace mirn {

SQLiteDB::~SQLiteDB() { Close(); }

bool SQLiteDB::Open(const std::filesystem::path& path) { return OpenWith(path, false); }

bool SQLiteDB::OpenReadOnly(const std::filesystem::path& path) { return OpenWith(path, true); }

bool SQLiteDB::OpenWith(const std::filesystem::path& path, bool readOnly) {
  Close();
  int rc = SQLITE_OK;
  if (readOnly) {
    rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr);
  } else {
    const std::u16string utf16 = ToUtf16(FromPath(path));
    rc = sqlite3_open16(utf16.c_str(), &db_);
  }
  if (rc != SQLITE_OK) {
    sqlite3_close(db_);
    db_ = nullptr;
    return false;
  }
  sqlite3_extended_result_codes(db_, 1);
  ++openCount_;
  if (!ExecuteRaw("PRAGMA foreign_keys = ON;")) {
    Close();
    return false;
  }
  return true;
}

bool SQLiteDB::IsReadOnly() const { return db_ && sqlite3_db_readonly(db_, "main") == 1; }

bool SQLiteDB::ExecuteRaw(const char* sql) {
  return db_ && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool SQLiteDB::Execute(std::wstring_view sql) {
  if (!db_) return false;
  if (!inTransaction_ && !Begin()) return false;
  return ExecuteRaw(ToUtf8(sql).c_str());
}

bool SQLiteDB::ExecuteNoTransaction(std::string_view sql) {
  return ExecuteRaw(std::string(sql).c_str());
}

SQLiteCursor SQLiteDB::Prepare(std::wstring_view sql, bool cached) {
  if (!db_) return std::make_shared<SQLiteCursorImpl>();
  if (!inTransaction_) Begin();
  if (cached) {
    if (const auto hit = byAddress_.find(sql.data());
        hit != byAddress_.end() && hit->second.text == sql) {
      hit->second.cursor->Reset();
      return hit->second.cursor;
    }
    if (const auto it = cache_.find(sql); it != cache_.end()) {
      byAddress_[sql.data()] = {it->first, it->second};
      it->second->Reset();
      return it->second;
    }
  }
  const std::u16string utf16 = ToUtf16(sql);
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare16_v2(db_, utf16.data(), static_cast<int>(utf16.size() * 2), &statement,
                           nullptr) != SQLITE_OK) {
    sqlite3_finalize(statement);
    statement = nullptr;
  }
  auto cursor = std::make_shared<SQLiteCursorImpl>(statement);
  if (statements_.size() >= pruneAt_) {
    std::erase_if(statements_, [](const auto& weak) { return weak.expired(); });
    pruneAt_ = std::max<size_t>(64, statements_.size() * 2);
  }
  statements_.push_back(cursor);
  if (cached && statement) {
    const auto [it, added] = cache_.emplace(std::wstring(sql), cursor);
    byAddress_[sql.data()] = {it->first, cursor};
  }
  return cursor;
}

bool SQLiteDB::Begin() {
  if (inTransaction_) return true;
  if (!ExecuteRaw("BEGIN TRANSACTION;")) return false;
  inTransaction_ = true;
  return true;
}

bool SQLiteDB::Commit() {
  if (!inTransaction_) return false;
  if (!ExecuteRaw("COMMIT;")) return false;
  inTransaction_ = false;
  return true;
}

void SQLiteDB::FinalizeAll() {
  for (const auto& weak : statements_) {
    if (auto cursor = weak.lock()) cursor->Finalize();
  }
  statements_.clear();
  pruneAt_ = 64;
  byAddress_.clear();
  cache_.clear();
}

void SQLiteDB::Close() {
  if (!db_) return;
  if (inTransaction_) {
    FinalizeAll();
    ExecuteRaw("ROLLBACK;");
    inTransaction_ = false;
  }
  FinalizeAll();
  sqlite3_close(db_);
  db_ = nullptr;
}

namespace {

// Closes a blob handle on every path out.
struct BlobHandle {
  sqlite3_blob* blob = nullptr;
  ~BlobHandle() {
    if (blob) sqlite3_blob_close(blob);
  }
};

}  // namespace

bool SQLiteDB::WriteBlob(const char* table, const char* column, int64_t rowid, std::istream& in,
                         int64_t size) {
  if (!db_) return false;
  BlobHandle handle;
  if (sqlite3_blob_open(db_, "main", table, column, rowid, 1, &handle.blob) != SQLITE_OK) {
    return false;
  }
  size = std::clamp<int64_t>(size, 0, sqlite3_blob_bytes(handle.blob));
  std::vector<char> buffer(static_cast<size_t>(kBlobChunk));
  int64_t offset = 0;
  while (offset < size) {
    const int64_t want = std::min(kBlobChunk, size - offset);
    in.read(buffer.data(), want);
    if (in.gcount() != want) return false;
    if (sqlite3_blob_write(handle.blob, buffer.data(), static_cast<int>(want),
                           static_cast<int>(offset)) != SQLITE_OK) {
      return false;
    }
    offset += want;
  }
  const int closed = sqlite3_blob_close(handle.blob);
  handle.blob = nullptr;
  return closed == SQLITE_OK;
}

bool SQLiteDB::ReadBlob(const char* table, const char* column, int64_t rowid, std::ostream& out) {
  if (!db_) return false;
  BlobHandle handle;
  if (sqlite3_blob_open(db_, "main", table, column, rowid, 0, &handle.blob) != SQLITE_OK) {
    return false;
  }
  const int64_t size = sqlite3_blob_bytes(handle.blob);
  std::vector<char> buffer(static_cast<size_t>(kBlobChunk));
  for (int64_t offset = 0; offset < size;) {
    const int64_t want = std::min(kBlobChunk, size - offset);
    if (sqlite3_blob_read(handle.blob, buffer.data(), static_cast<int>(want),
                          static_cast<int>(offset)) != SQLITE_OK) {
      return false;
    }
    out.write(buffer.data(), want);
    if (!out) return false;
    offset += want;
  }
  return true;
}

bool SQLiteDB::BackupTo(const std::filesystem::path& path) {
  if (!db_) return false;
  sqlite3* target = nullptr;
  if (sqlite3_open_v2(path.c_str(), &target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK) {
    sqlite3_close(target);
    return false;
  }
  bool ok = false;
  if (sqlite3_backup* backup = sqlite3_backup_init(target, "main", db_, "main")) {
    const int stepped = sqlite3_backup_step(backup, -1);
    ok = sqlite3_backup_finish(backup) == SQLITE_OK && stepped == SQLITE_DONE;
  }
  // The backup commits on its own; a stray transaction on the target would be ended here.
  sqlite3_exec(target, "COMMIT;", nullptr, nullptr, nullptr);
  if (sqlite3_close(target) != SQLITE_OK) ok = false;
  return ok;
}

bool SQLiteDB::VacuumInto(const std::filesystem::path& path) {
  if (!db_ || inTransaction_) return false;
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, "VACUUM INTO :path;", -1, &statement, nullptr) != SQLITE_OK) {
    sqlite3_finalize(statement);
    return false;
  }
  const std::string& target = path.native();
  sqlite3_bind_text(statement, 1, target.data(), static_cast<int>(target.size()),
                    SQLITE_TRANSIENT);
  const bool ok = sqlite3_step(statement) == SQLITE_DONE;
  sqlite3_finalize(statement);
  return ok;
}

int64_t SQLiteDB::FreePages() const {
  if (!db_) return 0;
  sqlite3_stmt* statement = nullptr;
  int64_t pages = 0;
  if (sqlite3_prepare_v2(db_, "PRAGMA freelist_count;", -1, &statement, nullptr) == SQLITE_OK &&
      sqlite3_step(statement) == SQLITE_ROW) {
    pages = sqlite3_column_int64(statement, 0);
  }
  sqlite3_finalize(statement);
  return pages;
}

uint64_t SQLiteDB::ChangeStamp() const {
  if (!db_) return 0;
  // Open count in the high bits, rows written since the open in the low ones.
  return (openCount_ << 40) + static_cast<uint64_t>(sqlite3_total_changes64(db_)) + 1;
}

int64_t SQLiteDB::LastInsertRowId() const { return db_ ? sqlite3_last_insert_rowid(db_) : 0; }

int SQLiteDB::Changes() const { return db_ ? sqlite3_changes(db_) : 0; }

std::string SQLiteDB::LastError() const { return db_ ? sqlite3_errmsg(db_) : "not open"; }

bool SQLiteDB::DiskFull() const { return db_ && sqlite3_errcode(db_) == SQLITE_FULL; }

}  // namespace mirn
