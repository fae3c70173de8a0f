#include "exchange/MRBExporter.h"

#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "exchange/MRBExporterTextSource.h"
#include "templates/DDFException.h"
#include "templates/DDFLibrary.h"
#include "text/CRTFText.h"

namespace mirn {

MRBExporter::MRBExporter(MRBBase& database, DDFLibrary& library, std::filesystem::path path)
    : db_(&database), library_(&library), path_(std::move(path)) {}

MRBExporter::~MRBExporter() = default;

bool MRBExporter::Finish() { return Flush(); }

std::vector<std::wstring> MRBExporter::HeaderRow() const {
  std::vector<std::wstring> cells = {L"Extension ID"};
  if (UseFriendlyNames) {
    cells.push_back(L"Group");
    cells.push_back(L"Model");
  } else {
    cells.push_back(L"TypeCode");
  }
  cells.push_back(L"Name");
  if (IncludeCommentField) cells.push_back(L"Comments");
  if (IncludeKeys) cells.push_back(L"Keys");
  return cells;
}

long long MRBExporter::Export(const ExtensionCallable& progress) {
  rowsNotWritten_ = 0;
  if (IncludeHeaders && !WriteRow(HeaderRow())) ++rowsNotWritten_;
  long long count = 0;
  for (const std::wstring& id : ExtensionRange(db_)) {
    // One read of the record serves the progress line and the row.
    std::wstring typeCode;
    std::wstring name;
    db_->GetExtension(id, typeCode, name);
    if (progress && !progress(id, name)) return 0;
    if (WriteRow(RowOf(id, typeCode, name))) {
      ++count;
    } else {
      ++rowsNotWritten_;
    }
  }
  return count;
}

std::vector<std::wstring> MRBExporter::RowOf(const std::wstring& id) {
  std::wstring typeCode;
  std::wstring name;
  db_->GetExtension(id, typeCode, name);
  return RowOf(id, typeCode, name);
}

std::vector<std::wstring> MRBExporter::RowOf(const std::wstring& id, const std::wstring& typeCode,
                                             const std::wstring& name) {
  std::vector<std::wstring> cells = {id};
  const bool known = library_->Contains(typeCode);
  if (UseFriendlyNames && known) {
    const CDDFInfo& info = library_->GetInfo(typeCode);
    cells.push_back(info.groupName);
    cells.push_back(info.description);
  } else {
    cells.push_back(typeCode);
  }
  cells.push_back(name);
  if (!known || (!IncludeCommentField && !IncludeKeys)) return cells;

  const CDDFTemplate* layout = LayoutOf(typeCode);
  if (IncludeCommentField) {
    std::wstring comment;
    if (layout) {
      for (const CDDFObject& o : layout->GetObjects()) {
        if (o.IsSelectable() && o.color == kCommentFieldColor) {
          comment = FieldText(id, name, o.id);
          break;
        }
      }
    }
    cells.push_back(std::move(comment));
  }
  if (IncludeKeys && layout) {
    for (const CDDFObject& o : layout->GetObjects()) {
      if (o.IsSelectable()) cells.push_back(FieldText(id, name, o.id));
    }
  }
  return cells;
}

const CDDFTemplate* MRBExporter::LayoutOf(const std::wstring& typeCode) {
  auto it = layouts_.find(typeCode);
  if (it == layouts_.end()) {
    // A missing or unreadable layout gives the row without its field cells.
    it = layouts_.emplace(typeCode, library_->FindTemplate(typeCode)).first;
  }
  return it->second.get();
}

std::wstring MRBExporter::FieldText(const std::wstring& id, const std::wstring& name, unsigned fieldId) {
  const std::wstring stored = db_->GetField(id, static_cast<int>(fieldId));
  if (stored.empty()) return {};
  const MRBExporterTextSource source(*db_);
  return CRTFText(stored, id, name, &source).GetDisplayTextCrLf();
}

}  // namespace mirn
