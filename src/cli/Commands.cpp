#include "cli/Command.h"
#include "cli/commands/CommandGroups.h"

namespace mirn::cli {

void RegisterAllCommands(CommandTable& table) {
  RegisterGeneralCommands(table);
  RegisterExchangeCommands(table);
  RegisterTemplateCommands(table);
  RegisterRenderCommands(table);
}

}  // namespace mirn::cli
