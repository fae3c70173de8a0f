#include "layouts/LayoutSaving.h"

#include "layouts/LayoutDocument.h"
#include "layouts/LayoutValidation.h"
#include "platform/AtomicWrite.h"
#include "templates/DDFLibrary.h"
#include "templates/DDFWriter.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

bool IsInside(const std::filesystem::path& file, const std::filesystem::path& folder) {
  if (file.empty()) return false;
  const std::filesystem::path parent = file.lexically_normal().parent_path();
  const std::filesystem::path base = folder.lexically_normal();
  return parent == base || parent == base / "";
}

}  // namespace

std::filesystem::path SaveTarget(const LayoutDocument& document, const DDFLibrary& library) {
  const std::filesystem::path folder = library.UserFolder();
  if (IsInside(document.Path(), folder)) return document.Path();
  std::wstring name = Trim(document.Layout().GetTypeCode());
  for (wchar_t& ch : name)
    if (ch == L'/' || ch == L'\\' || ch < 0x20) ch = L'_';
  if (name.empty() || name == L"." || name == L"..") name = L"layout";
  return folder / ToPath(name + L".ddf");
}

std::wstring FreeTypeCode(const std::wstring& typeCode, const DDFLibrary& library) {
  const std::wstring base = ToUpper(Trim(typeCode)).substr(0, 7);
  const std::wstring suffixes = L"23456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (const wchar_t suffix : suffixes) {
    const std::wstring candidate = base + suffix;
    if (!library.Contains(candidate)) return candidate;
  }
  return {};
}

LayoutSaveResult SaveLayout(LayoutDocument& document, DDFLibrary& library) {
  LayoutSaveResult result;
  result.file = SaveTarget(document, library);
  for (const LayoutProblem& problem : ValidateLayout(document.Layout())) {
    if (problem.IsError()) {
      result.message = problem.message;
      return result;
    }
  }
  std::string bytes;
  try {
    bytes = document.Bytes();
  } catch (const DDFWriteError& e) {
    result.message = FromUtf8(e.what());
    return result;
  }
  std::error_code error;
  if (!WriteFileAtomically(result.file, bytes, &error, 0644)) {
    result.message = FormatString(Tr("LayoutSaving", "The layout could not be saved in %1: %2."),
                                  {FromPath(result.file), FromUtf8(error.message())});
    return result;
  }
  library.Refresh(result.file);
  document.SetPath(result.file);
  document.MarkSaved();
  result.saved = true;
  return result;
}

}  // namespace mirn
