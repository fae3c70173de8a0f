#pragma once
// Opening and saving databases and writing output files for the commands, with every
// failure reported in the one message form.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "db/MRBBase.h"
#include "platform/OutputFile.h"

namespace mirn::cli {

// Opens FILE (empty: a new database) with the context's clock and temporary folder.
std::unique_ptr<MRBBase> OpenOrReport(const std::string& file, Context& c);
// Opens FILE for a command that only reads it: in place, read-only, with no working copy
// (see OpenDatabase); nothing can be saved.
std::unique_ptr<MRBBase> OpenToReadOrReport(const std::string& file, Context& c);
// Saves into its own file (or `saveAs`); kExitOk or kExitFailed after a message.
int SaveOrReport(MRBBase& db, const std::string& file, Context& c, const std::filesystem::path& saveAs = {});
// Refuses, before any work, a database file the user may not write.
bool CheckWritableOrReport(const std::string& file, Context& c);
// Tells how many extensions the walks skip because their id is empty or not text.
void ReportUnwalkable(MRBBase& db, const std::string& file, Context& c);

// A file to read from: regular, present, readable; false after a message naming the cause.
bool CheckReadableOrReport(const std::filesystem::path& path, Context& c);

// Folders named with --folder: each must be a folder; false after a message for the first
// that is not.
bool CheckFoldersOrReport(const std::vector<std::string>& folders, Context& c);

// Starts an output file; nothing (after a message) when the target is refused.
std::optional<OutputFile> BeginOutputOrReport(const std::filesystem::path& target, Context& c);
// Puts a written output file in place; false after a message naming the file and cause.
bool CommitOrReport(OutputFile& out, Context& c);
// Reports an output that could not be written (the old file is left as it was).
void ReportWriteFailure(const OutputFile& out, std::error_code cause, Context& c);

}  // namespace mirn::cli
