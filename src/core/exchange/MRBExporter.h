#pragma once
// The row building shared by every export: one row per extension in id order, with its id,
// its layout (type code, or the layout's group and description), its name, optionally the
// layout's comment field and the texts of every field. Derived classes write the rows.

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "exchange/MRBImporterSession.h"

namespace mirn {

class MRBBase;
class DDFLibrary;
class CDDFTemplate;

class MRBExporter {
 public:
  // The database and the library are borrowed and must outlive the exporter.
  MRBExporter(MRBBase& database, DDFLibrary& library, std::filesystem::path path);
  virtual ~MRBExporter();
  MRBExporter(const MRBExporter&) = delete;
  MRBExporter& operator=(const MRBExporter&) = delete;

  // Writes the header row (when chosen) and one row per extension. `progress` gets each id
  // and name first; when it answers false the export stops and answers 0. Otherwise the
  // number of extension rows written.
  virtual long long Export(const ExtensionCallable& progress);
  // Pushes what was written to the file; false when that failed.
  virtual bool Flush() = 0;
  // Ends the export (the base flushes); false when the file could not be written.
  virtual bool Finish();
  // Writes one row; false when it could not be written.
  virtual bool WriteRow(const std::vector<std::wstring>& cells) = 0;

  // The cells of one extension's row.
  std::vector<std::wstring> RowOf(const std::wstring& id);
  std::vector<std::wstring> HeaderRow() const;
  // Rows that WriteRow refused during the last Export (they are not counted).
  long long RowsNotWritten() const { return rowsNotWritten_; }

  bool IncludeHeaders = false;
  bool UseFriendlyNames = false;
  bool IncludeKeys = false;
  bool IncludeCommentField = false;

  // The colour that marks a layout's comment field among its selectable objects.
  static constexpr unsigned kCommentFieldColor = 0xFFFFC0;

 protected:
  const std::filesystem::path& Path() const { return path_; }

 private:
  // The row of an extension whose record has been read already.
  std::vector<std::wstring> RowOf(const std::wstring& id, const std::wstring& typeCode,
                                  const std::wstring& name);
  // The layout of a type code, kept for the run; null when the library does not know it
  // or its file cannot be read.
  const CDDFTemplate* LayoutOf(const std::wstring& typeCode);
  std::wstring FieldText(const std::wstring& id, const std::wstring& name, unsigned fieldId);

  MRBBase* db_ = nullptr;
  DDFLibrary* library_ = nullptr;
  std::filesystem::path path_;
  std::map<std::wstring, std::shared_ptr<const CDDFTemplate>> layouts_;
  long long rowsNotWritten_ = 0;
};

}  // namespace mirn
