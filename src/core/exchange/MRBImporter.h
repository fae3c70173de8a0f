#pragma once
// The common base of the imports into a label database (from CSV files, from other label
// databases): counting what there is to import, and importing it with a replace callable
// (asked before an extension is written; false skips it) and a progress callable (false
// stops the import before the next extension).

#include <filesystem>
#include <string_view>

#include "exchange/MRBImporterSession.h"

namespace mirn {

class MRBBase;

class MRBImporter {
 public:
  // The database is borrowed and must outlive the importer.
  explicit MRBImporter(MRBBase& database) : db_(&database) {}
  virtual ~MRBImporter() = default;
  MRBImporter(const MRBImporter&) = delete;
  MRBImporter& operator=(const MRBImporter&) = delete;

  virtual long long CountRecords() = 0;
  // The number of extensions imported.
  virtual long long Import(const ExtensionCallable& replace, const ExtensionCallable& progress) = 0;

  // Extensions of the last Import whose record or one of whose fields could not be
  // written (they are counted as imported, as the import goes on past them).
  long long IncompleteExtensions() const { return incomplete_; }
  // True when the last Import stopped because the database's device was full: the writes
  // after the first that failed so would all fail, and the file is not to be saved.
  bool StoppedOnFullDisk() const { return diskFull_; }
  // Where the database keeps its working copy (named when it cannot grow).
  const std::filesystem::path& TempFolder() const;
  // Extensions of the last Import that took the place of one of the same id (the rest of
  // the imported ones were new).
  long long ReplacedExtensions() const { return replaced_; }

 protected:
  MRBBase& Database() { return *db_; }
  void NoteIncomplete() { ++incomplete_; }
  // Clears the counts of the last Import.
  void ResetIncomplete() {
    incomplete_ = replaced_ = 0;
    diskFull_ = false;
  }
  // True when a write's result is success; remembers a full device.
  bool Written(int code);
  // Stores a new, empty extension in place of any of the same id (which goes with its
  // fields and selection). True when the record was stored; its fields then go in with
  // InsertField, under the id trimmed as the database stores it.
  bool PutExtension(std::wstring_view id, std::wstring_view typeCode, std::wstring_view name);

 private:
  MRBBase* db_ = nullptr;
  long long incomplete_ = 0;
  bool diskFull_ = false;
  long long replaced_ = 0;
};

}  // namespace mirn
