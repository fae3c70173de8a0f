#include "cli/Command.h"
#include "cli/commands/CommandGroups.h"

namespace mirn::cli {

void RegisterAllCommands(CommandTable& table) {
  RegisterGeneralCommands(table);
  RegisterDatabaseCommands(table);
  RegisterExchangeCommands(table);
  RegisterTemplateCommands(table);
  RegisterLegacyCommands(table);
  RegisterRenderCommands(table);
  RegisterPrintCommands(table);
  RegisterCheckCommands(table);
  RegisterStyleCommands(table);
}

}  // namespace mirn::cli
