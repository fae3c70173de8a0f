#pragma once
// The label database: extensions, their fields, the saved selection, embedded graphics and
// the schema versions. The record operations work on the SQLite connection alone, so they
// serve every file generation; the file operations (Open, Save, Close, GetPath) belong to
// each generation's class. Operations return the codes of db/DbResult.h and never throw;
// with no database open they answer kNotOpen, false, 0 or an empty result.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "db/DbResult.h"
#include "db/MRBGraphic.h"
#include "util/DateTime.h"

namespace mirn {

class Clock;
class SQLiteDB;
class ExtensionRange;
class FieldIdRange;

// Statements of the schema, by the version that each creates. Version 300 is the three
// batches of meta, extension and field.
namespace schema {
extern const wchar_t* const kMeta300;
extern const wchar_t* const kExtension300;
extern const wchar_t* const kField300;
extern const wchar_t* const kSelections301;
extern const wchar_t* const kGraphics302;
extern const wchar_t* const kTypeCodeIndex303;
}  // namespace schema

// One extension's row as a whole-table read gives it.
struct ExtensionRow {
  std::wstring id;
  std::wstring typecode;  // upper case, as GetExtension gives it
  std::wstring name;
  LocalDateTime modified;
};

// Where a whole-table read taken in steps stands: the last id read, as stored.
struct ExtensionRowCursor {
  std::u16string after;
  bool done = false;
};

class MRBBase {
 public:
  MRBBase();
  virtual ~MRBBase();
  MRBBase(const MRBBase&) = delete;
  MRBBase& operator=(const MRBBase&) = delete;

  // ---- file operations --------------------------------------------------------------------
  // Writes the database to `path` (empty: the current file) and clears the modified flag.
  virtual int Save(const std::filesystem::path& path) = 0;
  // The user's file; empty for a database that was never saved.
  virtual std::filesystem::path GetPath() const = 0;
  virtual bool IsModified() const;
  virtual void SetModified();
  virtual void ClearModified();
  // Opens `path` (empty: a new, untitled database).
  virtual int Open(const std::filesystem::path& path) = 0;
  // Closes without saving: unsaved changes vanish and temporary files go.
  virtual void Close() = 0;

  bool IsOpen() const;
  // Why the last Open or Save that failed on a file failed, as the system said it (empty
  // when it was no file error): the cause a message names.
  std::error_code LastFileError() const { return fileError_; }
  // The file or folder that error is about: the user's file, or the temporary folder when
  // the working copy could not be made.
  const std::filesystem::path& LastFileErrorPath() const { return fileErrorPath_; }

  // ---- extensions -------------------------------------------------------------------------
  bool ExtensionExists(std::wstring_view id);
  // Id, type code and name are trimmed of surrounding white space; `modified` = now.
  int AddExtension(std::wstring_view id, std::wstring_view typecode, std::wstring_view name);
  // Its fields and its selection row go with it.
  int DeleteExtension(std::wstring_view id);
  // Changes the id and/or the name (trimmed); a new id carries the fields and selection along.
  int UpdateExtension(std::wstring_view oldId, std::optional<std::wstring> newId,
                      std::optional<std::wstring> newName);
  // The type code comes back in upper case.
  int GetExtension(std::wstring_view id, std::wstring& typecode, std::wstring& name,
                   LocalDateTime* modified = nullptr);
  std::wstring GetTypeCode(std::wstring_view id);
  std::wstring GetName(std::wstring_view id);
  // The next id after `afterId` (empty: the first) in text order; false at the end. Rows
  // whose id is empty or not text (made by other programs or damaged files) are skipped.
  bool GetNextExtension(std::wstring_view afterId, std::wstring& id);
  // Every row, including those the walk skips.
  int GetExtensionCount();
  // The rows whose id is empty or not text: the walks skip them, callers report them.
  int CountUnwalkableExtensions();
  // The ids of one layout in text order, skipping those the walks skip.
  std::vector<std::wstring> GetExtensionsWithTypeCode(std::wstring_view typecode);
  // The type code is stored as given; the row's modified time is not touched.
  int ChangeTypeCode(std::wstring_view id, std::wstring_view typecode);
  // The distinct stored type codes, sorted.
  std::set<std::wstring> GetTypeCodes();
  // Every extension id in text order.
  ExtensionRange Extensions();
  // The rows of the walk (text order of id, the same rows GetNextExtension visits, each as
  // GetExtension reads it) in one statement instead of two lookups per row. `row` answers
  // false to stop. Answers the code of the read: kOk, or kSqlFailed when it broke off.
  int ReadExtensionRows(const std::function<bool(const ExtensionRow&)>& row);
  // The same rows in steps of at most `limit`, each its own statement, so that nothing stays
  // open between steps: a window reads a big file a screenful at a time and paints between.
  // Sets `cursor.done` once the last row has been read.
  int ReadExtensionRows(ExtensionRowCursor& cursor, int limit, const std::function<void(const ExtensionRow&)>& row);

  // ---- fields -----------------------------------------------------------------------------
  // Empty content removes the field. The extension's modified time is not touched.
  int SetField(std::wstring_view id, int fieldId, std::wstring_view content);
  // SetField for a field the extension does not hold yet, as in one just added: a plain
  // insert, which spares the replace's search for an old row. Still correct when the row
  // exists (it then replaces it).
  int InsertField(std::wstring_view id, int fieldId, std::wstring_view content);
  std::wstring GetField(std::wstring_view id, int fieldId);
  bool FieldExists(std::wstring_view id, int fieldId);
  // The next stored field id above `afterFieldId`, or 0 when there is none.
  int GetNextFieldId(std::wstring_view id, int afterFieldId);
  // The stored field ids of one extension in ascending order.
  FieldIdRange FieldIds(std::wstring_view id);

  // ---- selections -------------------------------------------------------------------------
  int SaveSelections(const std::vector<std::wstring>& ids);
  std::vector<std::wstring> LoadSelections();

  // ---- schema versions --------------------------------------------------------------------
  std::set<int> GetVersions();
  // The versions list of any open connection (used before a file is taken into a database).
  static std::set<int> ReadVersions(SQLiteDB& db);
  bool HasVersion(int version);
  int AddVersion(int version);
  // Upgrades the schema step by step until `version` is present; kVersionMissing otherwise.
  int EnsureVersion(int version);

  // ---- graphics ---------------------------------------------------------------------------
  // Stores the bytes of `graphic.fileName` (once per content) and turns the record into a
  // loaded embedded graphic.
  int EmbedGraphic(MRBGraphic& graphic);
  // True when the database stores the picture `hash`.
  bool HasGraphic(std::wstring_view hash);
  // Writes the stored picture `hash` to a temporary file owned by this object.
  int ExtractGraphic(std::wstring_view hash, std::filesystem::path& path,
                     std::wstring& originalName);
  // Writes a graphic slot; an embedded picture is stored and the slot names the placeholder.
  int SetGraphicField(std::wstring_view id, int fieldId, const MRBGraphic& graphic);
  // Reads a graphic slot; an embedded picture is extracted to a temporary file.
  int GetGraphicField(std::wstring_view id, int fieldId, MRBGraphic& graphic);
  // Drops stored pictures that no graphic slot references.
  int DeleteUnreferencedGraphics();

  // ---- environment ------------------------------------------------------------------------
  // The clock for "modified" stamps (kept by the caller; the system clock by default).
  void SetClock(const Clock& clock) { clock_ = &clock; }
  // Where working copies and extracted pictures go (the user's temporary folder by default).
  void SetTempFolder(std::filesystem::path folder) { tempFolder_ = std::move(folder); }
  const std::filesystem::path& TempFolder() const { return tempFolder_; }
  // Called every few milliseconds while the working copy of a file being opened is made on
  // another thread, so that a window can paint meanwhile (a big file takes a while).
  void SetWhileCopying(std::function<void()> whileCopying) { whileCopying_ = std::move(whileCopying); }

  // The connection, shared with an inner database by the legacy generation's class.
  const std::shared_ptr<SQLiteDB>& Connection() const { return db_; }

 protected:
  // Remembers a file to delete when this object goes.
  void AddTemporaryFile(const std::filesystem::path& path);
  std::wstring Now() const;
  // The code of a failed statement: kDiskFull when the device is full, else kSqlFailed.
  int SqlFailure() const;

  std::shared_ptr<SQLiteDB> db_;
  std::vector<std::filesystem::path> temporaryFiles_;

 private:
  // The stored fields of the extension read last, in field-id order. Walks read every field
  // of one extension in turn, so one query serves them all. The list holds while the
  // connection's change count stands still (any write, through this object or straight
  // through the connection, drops it).
  struct FieldCache {
    std::wstring id;
    uint64_t stamp = 0;  // SQLiteDB::ChangeStamp() when read; 0: empty
    std::vector<std::pair<int, std::wstring>> fields;
  };
  const FieldCache& CachedFields(std::wstring_view id);
  FieldCache fieldCache_;

 protected:
  bool modified_ = false;
  const Clock* clock_ = nullptr;
  std::filesystem::path tempFolder_;
  std::function<void()> whileCopying_;
  std::error_code fileError_;
  std::filesystem::path fileErrorPath_;
};

}  // namespace mirn
