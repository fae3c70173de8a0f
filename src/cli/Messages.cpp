#include "cli/Messages.h"

#include <algorithm>
#include <cerrno>

#include "db/DbResult.h"
#include "platform/FileErrors.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {

int ErrorNumber(std::error_code error) {
  if (error.category() == FileErrorCategory()) {
    switch (static_cast<FileErrc>(error.value())) {
      case FileErrc::kNotRegularFile: return EINVAL;
      case FileErrc::kTooLarge: return EFBIG;
      case FileErrc::kOpenDatabase: return EBUSY;
      case FileErrc::kDamaged: return EBADMSG;
      case FileErrc::kNestedTooDeep: return ELOOP;
      case FileErrc::kNotStored: return EIO;
    }
  }
  return error.value();
}

std::string CauseText(std::error_code error) {
  if (error == std::errc::no_such_file_or_directory) return TrUtf8("Cli", "the file or its folder does not exist");
  if (error == std::errc::is_a_directory) return TrUtf8("Cli", "it is a folder, not a file");
  if (error == std::errc::resource_unavailable_try_again) {
    return TrUtf8("Cli", "the file is already open in another program");
  }
  if (error == std::errc::permission_denied) return TrUtf8("Cli", "permission denied");
  if (error == std::errc::no_space_on_device) return TrUtf8("Cli", "No space left on device");
  return error.message();
}

std::string Flattened(const std::wstring& text) {
  std::string out = ToUtf8(text);
  std::replace(out.begin(), out.end(), '\n', ' ');
  return out;
}

void ReportFile(std::ostream& err, const std::string& file, const std::string& what, int code) {
  err << "mirn-cli: " << file << ": " << what << " (code " << code << ")\n";
}

void ReportFileError(std::ostream& err, const std::string& file, const std::string& what, std::error_code cause) {
  ReportFile(err, file, what + ": " + CauseText(cause), ErrorNumber(cause));
}

std::function<void(const std::filesystem::path&, const std::string&, std::error_code)> StoreNotices(std::ostream& err) {
  return [&err](const std::filesystem::path& file, const std::string& what, std::error_code cause) {
    ReportFileError(err, file.string(), what, cause);
  };
}

std::string OpenFailureText(const std::filesystem::path& file, int code, std::error_code cause,
                            const std::filesystem::path& causePath) {
  const std::string codeText = " (code " + std::to_string(code) + ")";
  if (code == db::kCannotCopyOrLock && cause) {
    std::error_code ec;
    const bool aboutFile = causePath.empty() || std::filesystem::equivalent(causePath, file, ec) || causePath == file;
    if (!aboutFile) {
      return FormatString(TrUtf8("Cli", "cannot open: cannot make its working copy in the temporary folder %1: %2"),
                          {causePath.string(), CauseText(cause)}) +
             codeText;
    }
    return FormatString(TrUtf8("Cli", "cannot open: %1"), {CauseText(cause)}) + codeText;
  }
  if (code == db::kDiskFull) {
    return TrUtf8("Cli", "cannot open: its working copy cannot grow: No space left on device") + codeText;
  }
  return FormatString(TrUtf8("Cli", "cannot open: %1"), {ToUtf8(DbResultText(code))}) + codeText;
}

}  // namespace mirn::cli
