// Commands about databases of the previous generation.

#include <ostream>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/commands/CommandGroups.h"
#include "db/DbResult.h"
#include "db/MRBv3.h"
#include "legacy/MRBv2.h"
#include "platform/KnownFolders.h"
#include "store/OpenDatabase.h"
#include "util/Text.h"

namespace mirn::cli {

namespace {

int Convert(const std::vector<std::string>& args, Context& c) {
  const ParsedArgs parsed = ParseArgs(args, {});
  parsed.ExpectPositional(2, 2);
  const std::filesystem::path from = parsed.Positional()[0];
  const std::filesystem::path to = parsed.Positional()[1];

  std::unique_ptr<MRBBase> database;
  const int kind = DetectFormat(from);
  if (kind == format::kLegacy) {
    // Opened directly rather than through OpenDatabase, to report why a conversion failed.
    auto legacy = std::make_unique<MRBv2>();
    legacy->SetClock(c.clock);
    legacy->SetTempFolder(c.folders.Get(KnownFolder::Temp));
    const int code = legacy->Open(from);
    if (code != db::kOk) {
      c.err << "cannot convert " << from.string() << ": "
            << (legacy->ConversionError().empty() ? ToUtf8(DbResultText(code))
                                                  : legacy->ConversionError())
            << '\n';
      return kExitFailed;
    }
    database = std::move(legacy);
  } else if (kind == format::kCurrent) {
    int code = 0;
    database = OpenDatabase(from, code, {&c.clock, c.folders.Get(KnownFolder::Temp)});
    if (!database) {
      c.err << "cannot open " << from.string() << ": " << ToUtf8(DbResultText(code)) << '\n';
      return kExitFailed;
    }
  } else {
    c.err << "cannot convert " << from.string() << ": not a label database\n";
    return kExitFailed;
  }

  const int saved = database->Save(to);
  if (saved != db::kOk) {
    c.err << "cannot write " << to.string() << ": " << ToUtf8(DbResultText(saved)) << '\n';
    return kExitFailed;
  }
  c.out << "written: " << to.string() << '\n';
  if (const auto* legacy = dynamic_cast<const MRBv2*>(database.get());
      legacy && !legacy->BackupPath().empty()) {
    c.out << "backup: " << legacy->BackupPath().string() << '\n';
  }
  return kExitOk;
}

}  // namespace

void RegisterLegacyCommands(CommandTable& table) {
  table.Add({"convert", "OLD.mrb NEW.mrb",
             "write a database (of either generation) in the current format; converting a "
             "legacy file onto itself keeps the original as a backup",
             Convert});
}

}  // namespace mirn::cli
