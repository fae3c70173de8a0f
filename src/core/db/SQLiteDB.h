#pragma once
// One SQLite connection with the document transaction, the statement cache and streaming
// blob access. Every statement runs inside a transaction: Prepare and Execute begin one when
// none is open, and only Commit ends it.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "db/SQLiteCursorImpl.h"

struct sqlite3;

namespace mirn {

class SQLiteDB {
 public:
  // Blobs move between streams and the database in pieces of this many bytes.
  static constexpr int64_t kBlobChunk = 32768;

  SQLiteDB() = default;
  ~SQLiteDB();
  SQLiteDB(const SQLiteDB&) = delete;
  SQLiteDB& operator=(const SQLiteDB&) = delete;

  // Opens (creating when missing) read-write through the UTF-16 interface, so a new database
  // has the encoding UTF-16le, and switches foreign keys on. True when both succeed.
  bool Open(const std::filesystem::path& path);
  // Opens an existing file for reading only (format detection must not change files).
  bool OpenReadOnly(const std::filesystem::path& path);
  bool IsOpen() const { return db_ != nullptr; }
  // True when the connection cannot write its file (opened with OpenReadOnly).
  bool IsReadOnly() const;
  bool InTransaction() const { return inTransaction_; }

  // Runs one or more statements inside the transaction.
  bool Execute(std::wstring_view sql);
  // Runs statements outside any transaction (VACUUM); finalize everything first.
  bool ExecuteNoTransaction(std::string_view sql);
  // A statement, inside the transaction. Cached statements are prepared once and reset on
  // each reuse. Never null: a statement that failed to prepare is inert.
  SQLiteCursor Prepare(std::wstring_view sql, bool cached);

  bool Begin();
  bool Commit();
  // Finalizes every live statement (each becomes inert) and empties the cache.
  void FinalizeAll();
  // Rolls back an open transaction and closes the connection.
  void Close();

  // Streams `size` bytes (clamped to the blob's size) from `in` into a blob of "main".
  bool WriteBlob(const char* table, const char* column, int64_t rowid, std::istream& in,
                 int64_t size);
  // Streams a whole blob of "main" into `out`.
  bool ReadBlob(const char* table, const char* column, int64_t rowid, std::ostream& out);
  // Copies the whole database into the file `path` with the online backup.
  bool BackupTo(const std::filesystem::path& path);
  // Writes a compacted copy of the committed database into `path` (missing or empty file).
  // Needs no open transaction and no active statements.
  bool VacuumInto(const std::filesystem::path& path);

  // Pages of the committed database that hold nothing (what a VACUUM would give back).
  int64_t FreePages() const;
  // Changes whenever a row of this connection is written or the connection is opened anew;
  // never 0 while open. Readers compare it to know that what they remember still holds.
  uint64_t ChangeStamp() const;
  int64_t LastInsertRowId() const;
  int Changes() const;
  std::string LastError() const;
  // True when the last failed call ran out of room on the device.
  bool DiskFull() const;
  sqlite3* Handle() const { return db_; }

 private:
  bool OpenWith(const std::filesystem::path& path, bool readOnly);
  bool ExecuteRaw(const char* sql);

  sqlite3* db_ = nullptr;
  bool inTransaction_ = false;
  uint64_t openCount_ = 0;
  // Every statement prepared since the last FinalizeAll. Uncached statements are owned by
  // their callers and finalize themselves when dropped, so the list only watches them.
  std::vector<std::weak_ptr<SQLiteCursorImpl>> statements_;
  size_t pruneAt_ = 64;
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::wstring_view text) const { return std::hash<std::wstring_view>()(text); }
  };
  std::unordered_map<std::wstring, SQLiteCursor, TextHash, std::equal_to<>> cache_;
  // The same statements found by the address of their text, which per-record callers pass
  // as string literals: a pointer lookup and a comparison instead of hashing the text. The
  // text is compared, so a reused buffer with other text never matches.
  struct ByAddress {
    std::wstring_view text;  // points into the key of cache_
    SQLiteCursor cursor;
  };
  std::unordered_map<const wchar_t*, ByAddress> byAddress_;
};

}  // namespace mirn
