#pragma once
// The document commands of the main window: New, Open, Save, Save As, the recent files and
// Exit, run through the core's DocumentController.

namespace mirn {

class CommandRegistry;

void InstallDocumentCommands(CommandRegistry& frame);

}  // namespace mirn
