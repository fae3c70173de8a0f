// Commands about the program itself.

#include <ostream>

#include "util/StringTable.h"
#include "cli/CommandLine.h"
#include "cli/Command.h"
#include "cli/commands/CommandGroups.h"
#include "platform/KnownFolders.h"
#include "platform/IniProfile.h"
#include "util/Catalog.h"
#include "util/Text.h"

namespace mirn::cli {

void RegisterGeneralCommands(CommandTable& table) {
  table.Add({"folders", "", MIRN_TRANSLATABLE("Cli", "show where settings, layouts and data are looked for"),
             [](const std::vector<std::string>& args, Context& c) {
               ParseArgs(args, {}).ExpectPositional(0, 0);
               const auto& f = c.folders;
               c.out << "settings\t" << IniProfile::DefaultPath(f).string() << '\n'
                     << "local-data\t" << f.Get(KnownFolder::LocalAppData).string() << '\n'
                     << "roaming-data\t" << f.Get(KnownFolder::RoamingAppData).string() << '\n'
                     << "cache\t" << f.Get(KnownFolder::Cache).string() << '\n'
                     << "program-data\t" << f.Get(KnownFolder::ProgramData).string() << '\n'
                     << "documents\t" << f.Get(KnownFolder::Documents).string() << '\n'
                     << "pictures\t" << f.Get(KnownFolder::Pictures).string() << '\n'
                     << "temp\t" << f.Get(KnownFolder::Temp).string() << '\n'
                     << "program\t" << f.Get(KnownFolder::Program).string() << '\n';
               return kExitOk;
             }});
}

}  // namespace mirn::cli
