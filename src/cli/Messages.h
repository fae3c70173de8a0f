#pragma once
// The one form of mirn-cli's failure messages: "mirn-cli: FILE: what happened (code N)",
// where N is the database result code, or the system's error number for a file error.

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <system_error>

namespace mirn::cli {

// The number shown for a system or file error.
int ErrorNumber(std::error_code error);
// The cause in words: the system's text, or ours for the errors the program itself finds.
std::string CauseText(std::error_code error);

// Writes "mirn-cli: FILE: WHAT (code CODE)" and a line break.
void ReportFile(std::ostream& err, const std::string& file, const std::string& what, int code);
// A message box text on one line, for the error stream.
std::string Flattened(const std::wstring& text);

// Writes "mirn-cli: FILE: WHAT: CAUSE (code N)" for a file error.
void ReportFileError(std::ostream& err, const std::string& file, const std::string& what, std::error_code cause);

// Reports what a settings store says about its file (a damaged file kept as a backup) in the
// form above.
std::function<void(const std::filesystem::path&, const std::string&, std::error_code)> StoreNotices(std::ostream& err);

// Why a database did not open: the result code of the open and, for a file error, the
// system's cause and the path it is about (the file, or the temporary folder).
std::string OpenFailureText(const std::filesystem::path& file, int code, std::error_code cause,
                            const std::filesystem::path& causePath);

}  // namespace mirn::cli
