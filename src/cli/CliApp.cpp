#include "cli/CliApp.h"

#include <cerrno>
#include <exception>
#include <filesystem>
#include <ostream>

#include "util/StringTable.h"
#include "cli/CommandLine.h"
#include "cli/CommandReference.h"
#include "cli/Messages.h"
#include "util/Catalog.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

void PrintHelp(const CommandTable& table, std::ostream& out) {
  out << "mirn-cli: " << FormatString(TrUtf8("Cli", "%1, batch tool"), {ToUtf8(LoadString(kStrAppTitle))}) << "\n\n"
      << FormatString(TrUtf8("Cli", "usage: %1"), {"mirn-cli " + TrUtf8("Cli", "COMMAND [ARGUMENTS]")}) << '\n'
      << "       mirn-cli --help | --version\n\n"
      << TrUtf8("Cli", "commands:") << '\n';
  for (const auto& c : table.All()) {
    std::string line = "  " + c.name + (c.usage.empty() ? "" : " " + c.usage);
    if (line.size() < 44) line.resize(44, ' ');
    out << line << "  " << TrUtf8("Cli", c.summary.c_str()) << '\n';
  }
  out << '\n'
      << TrUtf8("Cli", "'mirn-cli COMMAND --help' describes one command.") << '\n'
      << TrUtf8("Cli", "Exit status: 0 done, 1 the operation failed (reason on standard error), 2 usage error.")
      << '\n';
}

// A command's usage line and summary, then its rows of the reference in the user's language
// (the catalog names the table), each under its own call where that is not the usage line
// (print's calibration sheet).
void PrintCommandHelp(const Command& command, std::ostream& out) {
  const std::string call = command.usage.empty() ? command.name : command.name + ' ' + command.usage;
  out << FormatString(TrUtf8("Cli", "usage: %1"), {"mirn-cli " + call}) << '\n'
      << TrUtf8("Cli", command.summary.c_str()) << '\n';
  // The catalog translates "cli.md" to the name of the table in its language ("cli.de.md").
  for (const auto& row : TranslatedRowsOfCommand(command.name, TrUtf8("CliReference", "cli.md"))) {
    out << '\n';
    if (row.call != call) out << "  mirn-cli " << row.call << '\n';
    out << WrapText(row.text, 79, "    ");
  }
}

}  // namespace

int RunCli(const std::vector<std::string>& args, Context& context) {
  CommandTable table;
  RegisterAllCommands(table);
  const std::string usage =
      FormatString(TrUtf8("Cli", "usage: %1"), {"mirn-cli " + TrUtf8("Cli", "COMMAND [ARGUMENTS]")}) + ' ' +
      TrUtf8("Cli", "(mirn-cli --help lists the commands)") + '\n';
  if (args.empty()) {
    context.err << usage;
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(table, context.out);
    return kExitOk;
  }
  if (args[0] == "--version") {
    context.out << "mirn-cli " << MIRN_VERSION << '\n';
    return kExitOk;
  }
  size_t consumed = 0;
  const Command* command = table.Find(args, consumed);
  if (command == nullptr) {
    context.err << "mirn-cli: " << FormatString(TrUtf8("Cli", "unknown command '%1'"), {args[0]}) << '\n' << usage;
    return kExitUsage;
  }
  const std::vector<std::string> rest(args.begin() + static_cast<long>(consumed), args.end());
  for (const auto& a : rest) {
    if (a == "--help") {
      PrintCommandHelp(*command, context.out);
      return kExitOk;
    }
  }
  try {
    return command->run(rest, context);
  } catch (const UsageError& e) {
    context.err << "mirn-cli " << command->name << ": " << e.what() << '\n'
                << FormatString(TrUtf8("Cli", "usage: %1"), {"mirn-cli " + command->name + ' ' + command->usage})
                << '\n';
    return kExitUsage;
  } catch (const std::filesystem::filesystem_error& e) {
    // A path the command could not follow (a loop of links, a folder without access).
    ReportFileError(context.err, e.path1().empty() ? command->name : e.path1().string(), TrUtf8("Cli", "cannot use it"),
                    e.code());
    return kExitFailed;
  } catch (const std::exception& e) {
    ReportFile(context.err, command->name, e.what(), EIO);
    return kExitFailed;
  }
}

}  // namespace mirn::cli
