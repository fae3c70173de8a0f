#include "templates/SqliteConnection.h"

#include <sqlite3.h>

#include "util/Text.h"

namespace mirn {

bool SqliteConnection::Open(const std::filesystem::path& path, bool readOnly, bool create) {
  Close();
  int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
  if (create && !readOnly) flags |= SQLITE_OPEN_CREATE;
  if (sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
    Close();
    return false;
  }
  // Another running copy of the program may hold the file for a moment.
  sqlite3_busy_timeout(db_, 2000);
  return true;
}

void SqliteConnection::Close() {
  if (db_ != nullptr) sqlite3_close_v2(db_);
  db_ = nullptr;
}

bool SqliteConnection::Execute(const char* sql) {
  return db_ != nullptr && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool SqliteConnection::InTransaction() const { return db_ != nullptr && sqlite3_get_autocommit(db_) == 0; }

SqliteStatement::SqliteStatement(const SqliteConnection& connection, const char* sql) {
  if (connection.IsOpen() &&
      sqlite3_prepare_v2(connection.Handle(), sql, -1, &statement_, nullptr) != SQLITE_OK) {
    sqlite3_finalize(statement_);
    statement_ = nullptr;
  }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

bool SqliteStatement::Bind(const char* name, std::wstring_view text) {
  const int index = statement_ ? sqlite3_bind_parameter_index(statement_, name) : 0;
  if (index == 0) return false;
  // UTF-16 is how the program's databases store text, so it crosses without re-encoding.
  const std::u16string utf16 = ToUtf16(text);
  return sqlite3_bind_text16(statement_, index, utf16.data(), static_cast<int>(utf16.size() * 2),
                             SQLITE_TRANSIENT) == SQLITE_OK;
}

bool SqliteStatement::Bind(const char* name, std::int64_t value) {
  const int index = statement_ ? sqlite3_bind_parameter_index(statement_, name) : 0;
  return index != 0 && sqlite3_bind_int64(statement_, index, value) == SQLITE_OK;
}

bool SqliteStatement::Step() {
  done_ = false;
  if (statement_ == nullptr) return false;
  const int rc = sqlite3_step(statement_);
  done_ = rc == SQLITE_DONE;
  return rc == SQLITE_ROW;
}

bool SqliteStatement::Run() {
  while (Step()) {
  }
  return done_;
}

void SqliteStatement::Reset() {
  if (statement_ == nullptr) return;
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
  done_ = false;
}

std::wstring SqliteStatement::Text(int column) const {
  const auto* text = statement_ ? static_cast<const char16_t*>(sqlite3_column_text16(statement_, column)) : nullptr;
  if (text == nullptr) return {};
  return FromUtf16(std::u16string_view(text, static_cast<std::size_t>(sqlite3_column_bytes16(statement_, column)) / 2));
}

std::int64_t SqliteStatement::Int64(int column) const {
  return statement_ ? sqlite3_column_int64(statement_, column) : 0;
}

bool SqliteStatement::IsInteger(int column) const {
  return statement_ && sqlite3_column_type(statement_, column) == SQLITE_INTEGER;
}

bool ListsVersion(std::wstring_view versions, long long version) {
  std::size_t start = 0;
  while (start <= versions.size()) {
    const std::size_t end = std::min(versions.find_first_of(L" ,", start), versions.size());
    long long value = 0;
    if (end > start && ParseInt(versions.substr(start, end - start), value) && value == version) return true;
    start = end + 1;
  }
  return false;
}

bool MetaListsVersion(const SqliteConnection& db, long long version) {
  SqliteStatement query(db, "SELECT value FROM meta WHERE key=:key;");
  query.Bind(":key", std::wstring_view(L"versions"));
  return query.Step() && ListsVersion(query.Text(0), version);
}

}  // namespace mirn
