#pragma once
// One mirn-cli subcommand and what it runs with.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace mirn {
class Profile;
class KnownFolders;
class Clock;
}  // namespace mirn

namespace mirn::cli {

// The outside world of a command: the settings, the folders, the clock and the streams.
// main() makes the real ones; tests make fakes.
struct Context {
  Profile& profile;
  const KnownFolders& folders;
  const Clock& clock;
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal = false;  // progress lines go to `err` only when a person watches it
};

// Exit statuses of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct Command {
  std::string name;     // "info", or two words such as "template build"
  std::string usage;    // the arguments after the name: "FILE [--json]"
  std::string summary;  // one line for --help
  // Runs with the arguments after the name; returns the exit status. Throws UsageError
  // for a mistake in the call.
  std::function<int(const std::vector<std::string>& args, Context& context)> run;
};

class CommandTable {
 public:
  void Add(Command command);
  // The command whose name matches the longest prefix of `words`; `consumed` tells how many
  // words the name took.
  const Command* Find(const std::vector<std::string>& words, size_t& consumed) const;
  const std::vector<Command>& All() const { return commands_; }

 private:
  std::vector<Command> commands_;
};

// Fills the table with every command of the program (one Register function per module).
void RegisterAllCommands(CommandTable& table);

}  // namespace mirn::cli
