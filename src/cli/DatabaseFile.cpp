#include "cli/DatabaseFile.h"

#include <ostream>

#include "db/DbResult.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {
std::string Quoted(std::wstring_view id) {
  // Appended in place: "'" + temporary + "'" trips GCC 12's -Wrestrict in optimised builds.
  std::string out = "'";
  out += ToUtf8(id);
  out += '\'';
  return out;
}

std::string Describe(int code, std::wstring_view id, const std::string& hint) {
  std::string text;
  switch (code) {
    case db::kExtensionExists: text = FormatString(TrUtf8("Cli", "extension %1 already exists"), {Quoted(id)}); break;
    case db::kNoSuchExtension: text = FormatString(TrUtf8("Cli", "there is no extension %1"), {Quoted(id)}); break;
    default: text = ToUtf8(DbResultText(code)); break;
  }
  return text + hint + " (code " + std::to_string(code) + ")";
}

int ChangeAndSave(const std::string& file, Context& c,
                  const std::function<int(MRBBase&, std::string& failure)>& change) {
  auto db = OpenOrReport(file, c);
  if (!db || !CheckWritableOrReport(file, c)) return kExitFailed;
  std::string failure;
  if (change(*db, failure) != kExitOk) {
    c.err << "mirn-cli: " << file << ": " << failure << '\n';
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
