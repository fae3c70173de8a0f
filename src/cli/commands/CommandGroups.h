#pragma once
// One Register function per group of commands; Commands.cpp calls them all.

namespace mirn::cli {

class CommandTable;

void RegisterGeneralCommands(CommandTable& table);
void RegisterDatabaseCommands(CommandTable& table);
void RegisterExchangeCommands(CommandTable& table);
void RegisterTemplateCommands(CommandTable& table);
void RegisterLegacyCommands(CommandTable& table);
void RegisterRenderCommands(CommandTable& table);
void RegisterPrintCommands(CommandTable& table);
// Called by RegisterPrintCommands, so "printers" and "adjust" follow "print" in the help.
void RegisterPrinterCommands(CommandTable& table);
void RegisterCheckCommands(CommandTable& table);
void RegisterStyleCommands(CommandTable& table);

}  // namespace mirn::cli
