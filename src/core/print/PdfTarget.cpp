#include "print/PdfTarget.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace mirn {

bool IsPdfTarget(std::wstring_view name) { return name == kPdfTargetName; }

PrinterInfo PdfTargetInfo() {
  PrinterInfo info;
  info.name = kPdfTargetName;
  info.driver = L"Mirn PDF writer";
  info.location = L"A file you choose";
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
  request.title = L"Print to PDF";
  request.filter = L"PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||";
  request.defaultExtension = L"pdf";
  request.initialPath = suggested;
  request.promptOverwrite = true;
  return request;
}

std::optional<std::string> PdfFolderProblem(const std::filesystem::path& file) {
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code error;
  const auto status = std::filesystem::status(folder, error);
  if (error || !std::filesystem::exists(status)) {
    return "cannot write " + file.string() + ": the folder " + folder.string() + " does not exist";
  }
  if (!std::filesystem::is_directory(status)) {
    return "cannot write " + file.string() + ": " + folder.string() + " is not a folder";
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    return "cannot write " + file.string() + ": " + std::strerror(errno);
  }
  return std::nullopt;
}

}  // namespace mirn
