#include "print/PdfTarget.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace mirn {

bool IsPdfTarget(std::wstring_view name) { return name == kPdfTargetName; }

PrinterInfo PdfTargetInfo() {
  PrinterInfo info;
  info.name = kPdfTargetName;
  info.driver = Tr("PdfTarget", "Mirn PDF writer");
  info.location = Tr("PdfTarget", "A file you choose");
  return info;
}

std::vector<std::wstring> PrintTargetNames(std::vector<std::wstring> printers) {
  printers.push_back(kPdfTargetName);
  return printers;
}

std::filesystem::path DefaultPdfPath(const std::filesystem::path& documentPath,
                                     const std::filesystem::path& documentsFolder) {
  if (documentPath.empty()) return documentsFolder / "labels.pdf";
  return documentPath.parent_path() / (documentPath.stem().wstring() + L".pdf");
}

FileDialogRequest PdfFileRequest(const std::filesystem::path& suggested) {
  FileDialogRequest request;
  request.title = Tr("PdfTarget", "Print to PDF");
  request.filter = Tr("PdfTarget", "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||");
  request.defaultExtension = L"pdf";
  request.initialPath = suggested;
  request.promptOverwrite = true;
  return request;
}

std::optional<PdfFolderRefusal> PdfFolderProblem(const std::filesystem::path& file) {
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code error;
  const auto status = std::filesystem::status(folder, error);
  if (error || !std::filesystem::exists(status)) {
    return PdfFolderRefusal{"cannot write: the folder " + folder.string() + " does not exist",
                            std::make_error_code(std::errc::no_such_file_or_directory)};
  }
  if (!std::filesystem::is_directory(status)) {
    return PdfFolderRefusal{"cannot write: " + folder.string() + " is not a folder",
                            std::make_error_code(std::errc::not_a_directory)};
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    return PdfFolderRefusal{"cannot write", std::error_code(errno, std::generic_category()), false};
  }
  return std::nullopt;
}

}  // namespace mirn
