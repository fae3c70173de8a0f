#include "cli/DatabaseFile.h"

#include <ostream>
#include <system_error>

#include "store/OpenDatabase.h"
#include "platform/FileLock.h"
#include "platform/KnownFolders.h"
#include "util/Text.h"

namespace mirn::cli {
std::string Quoted(std::wstring_view id) {
  // Appended in place: "'" + temporary + "'" trips GCC 12's -Wrestrict in optimised builds.
  std::string out = "'";
  out += ToUtf8(id);
  out += '\'';
  return out;
}

std::string Describe(int code, std::wstring_view id) {
  std::string text;
  switch (code) {
    case db::kExtensionExists: text = "extension " + Quoted(id) + " already exists"; break;
    case db::kNoSuchExtension: text = "there is no extension " + Quoted(id); break;
    default: text = ToUtf8(DbResultText(code)); break;
  }
  return text + " (code " + std::to_string(code) + ")";
}

std::string DescribeOpenFailure(const std::filesystem::path& path, int code) {
  if (code == db::kCannotCopyOrLock) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return "the file does not exist (code 10)";
    std::error_code lockError;
    if (std::filesystem::is_regular_file(path, ec) && !FileLock::TryLock(path, &lockError) &&
        lockError == std::errc::resource_unavailable_try_again) {
      return "the file is already open in another program (code 10)";
    }
    return "the file cannot be read (code 10)";
  }
  return Describe(code);
}

std::unique_ptr<MRBBase> OpenOrReport(const std::string& file, Context& c) {
  int code = 0;
  const std::filesystem::path path(file);
  auto db = OpenDatabase(path, code, {&c.clock, c.folders.Get(KnownFolder::Temp)});
  if (!db) c.err << "mirn-cli: cannot open " << file << ": " << DescribeOpenFailure(path, code) << '\n';
  return db;
}

int SaveOrReport(MRBBase& db, const std::string& file, Context& c) {
  const int code = db.Save({});
  if (code == db::kOk) return kExitOk;
  c.err << "mirn-cli: cannot save " << file << ": " << Describe(code) << '\n';
  return kExitFailed;
}

int ChangeAndSave(const std::string& file, Context& c,
                  const std::function<int(MRBBase&, std::string& failure)>& change) {
  auto db = OpenOrReport(file, c);
  if (!db) return kExitFailed;
  std::string failure;
  if (change(*db, failure) != kExitOk) {
    c.err << "mirn-cli: " << failure << '\n';
    return kExitFailed;
  }
  return SaveOrReport(*db, file, c);
}

std::string OneLine(std::wstring_view text) {
  std::string out;
  for (const char ch : ToUtf8(text)) {
    switch (ch) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += ch; break;
    }
  }
  return out;
}

}  // namespace mirn::cli
