#pragma once
// A small RAII layer over SQLite for the template cache and the conversion table: one
// connection, prepared statements with named parameters, text in and out as wide strings.
// Nothing here throws: failures answer false or an empty result, as the callers carry on
// without the database when it misbehaves.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace mirn {

class SqliteConnection {
 public:
  SqliteConnection() = default;
  ~SqliteConnection() { Close(); }
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  // Opens (or with `create`, creates) the file; false when it cannot be opened.
  bool Open(const std::filesystem::path& path, bool readOnly, bool create);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }
  // Runs a batch of statements; false when one fails.
  bool Execute(const char* sql);
  // True while a transaction begun by BEGIN is running.
  bool InTransaction() const;
  sqlite3* Handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

class SqliteStatement {
 public:
  SqliteStatement(const SqliteConnection& connection, const char* sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  bool IsValid() const { return statement_ != nullptr; }
  // Binds by name (":key"); false when the statement has no such parameter.
  bool Bind(const char* name, std::wstring_view text);
  bool Bind(const char* name, std::int64_t value);
  // Steps once: true when a row is ready. Done() tells a finished statement from a failure.
  bool Step();
  bool Done() const { return done_; }
  // Steps to the end; false when a step failed.
  bool Run();
  void Reset();
  std::wstring Text(int column) const;
  std::int64_t Int64(int column) const;
  bool IsInteger(int column) const;

 private:
  sqlite3_stmt* statement_ = nullptr;
  bool done_ = false;
};

// Whether a "versions" meta value (integers separated by spaces and commas) lists `version`;
// tokens that are not integers are ignored.
bool ListsVersion(std::wstring_view versions, long long version);
// Whether the database's meta table has a "versions" row that lists `version`.
bool MetaListsVersion(const SqliteConnection& db, long long version);

}  // namespace mirn
