#pragma once
// The PDF target: the last entry of the printer list, a file written as a printer would
// print it. Its rules are the same in the window and in mirn-cli; a PDF is always new
// paper, so it never continues a half-used sheet.

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <string_view>
#include <vector>

#include "platform/PrinterSystem.h"
#include "platform/UserInterface.h"

namespace mirn {

// The name the PDF target is listed and printed under.
inline constexpr const wchar_t* kPdfTargetName = L"PDF";

bool IsPdfTarget(std::wstring_view name);
// What the printer list shows about the PDF target.
PrinterInfo PdfTargetInfo();
// The printer list: the spooler's printers in their order, then the PDF target.
std::vector<std::wstring> PrintTargetNames(std::vector<std::wstring> printers);
// The file a document's PDF is offered as: beside the database and named after it, or
// "labels.pdf" in the Documents folder for a database not saved yet.
std::filesystem::path DefaultPdfPath(const std::filesystem::path& documentPath,
                                     const std::filesystem::path& documentsFolder);
// The "Print to PDF" save question, offering `suggested`; it asks before replacing a file.
FileDialogRequest PdfFileRequest(const std::filesystem::path& suggested);
// Why a PDF cannot be written at its file: what went wrong ("cannot write: the folder F does
// not exist") and the system's cause. `whatNamesCause` says whether `what` already tells the
// cause in words, or the cause's own text is to follow it.
struct PdfFolderRefusal {
  std::string what;
  std::error_code cause;
  bool whatNamesCause = true;
};
// Why a PDF cannot be written at `file`: its folder is missing, not a folder, or not
// writable for this process. Empty when writing can be tried.
std::optional<PdfFolderRefusal> PdfFolderProblem(const std::filesystem::path& file);

}  // namespace mirn
