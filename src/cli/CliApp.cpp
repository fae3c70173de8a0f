#include "cli/CliApp.h"

#include <cerrno>
#include <exception>
#include <filesystem>
#include <ostream>

#include "util/StringTable.h"
#include "cli/CommandLine.h"
#include "cli/CommandReference.h"
#include "cli/Messages.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

void PrintHelp(const CommandTable& table, std::ostream& out) {
  out << "mirn-cli: " << ToUtf8(LoadString(kStrAppTitle)) << ", batch tool\n\n"
      << "usage: mirn-cli COMMAND [ARGUMENTS]\n"
      << "       mirn-cli --help | --version\n\ncommands:\n";
  for (const auto& c : table.All()) {
    std::string line = "  " + c.name + (c.usage.empty() ? "" : " " + c.usage);
    if (line.size() < 44) line.resize(44, ' ');
    out << line << "  " << c.summary << '\n';
  }
  out << "\n'mirn-cli COMMAND --help' describes one command.\n"
      << "Exit status: 0 done, 1 the operation failed (reason on standard error), 2 usage error.\n";
}

// A command's usage line and summary, then its rows of the reference, each under its own
// call where that is not the usage line (print's calibration sheet).
void PrintCommandHelp(const Command& command, std::ostream& out) {
  const std::string call = command.usage.empty() ? command.name : command.name + ' ' + command.usage;
  out << "usage: mirn-cli " << call << '\n' << command.summary << '\n';
  for (const auto& row : RowsOfCommand(ReferenceRows(CliReferenceMarkdown()), command.name)) {
    out << '\n';
    if (row.call != call) out << "  mirn-cli " << row.call << '\n';
    out << WrapText(row.text, 79, "    ");
  }
}

}  // namespace

int RunCli(const std::vector<std::string>& args, Context& context) {
  CommandTable table;
  RegisterAllCommands(table);
  if (args.empty()) {
    context.err << "usage: mirn-cli COMMAND [ARGUMENTS] (mirn-cli --help lists the commands)\n";
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
    context.err << "mirn-cli: unknown command '" << args[0] << "'\n"
                << "usage: mirn-cli COMMAND [ARGUMENTS] (mirn-cli --help lists the commands)\n";
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
                << "usage: mirn-cli " << command->name << ' ' << command->usage << '\n';
    return kExitUsage;
  } catch (const std::filesystem::filesystem_error& e) {
    // A path the command could not follow (a loop of links, a folder without access).
    ReportFileError(context.err, e.path1().empty() ? command->name : e.path1().string(), "cannot use it", e.code());
    return kExitFailed;
  } catch (const std::exception& e) {
    ReportFile(context.err, command->name, e.what(), EIO);
    return kExitFailed;
  }
}

}  // namespace mirn::cli
