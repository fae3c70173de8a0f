#pragma once
// Option parsing for mirn-cli subcommands: positional words, "--flag", "--name VALUE" and
// "--name=VALUE"; "--" ends the options. Anything a command does not declare is a usage error.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace mirn::cli {

// A mistake in how the command was called: exit status 2 and the command's usage line.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct OptionSpec {
  std::string name;         // without the leading "--"
  bool takesValue = false;  // "--name VALUE"
  bool repeatable = false;  // may be given more than once
};

class ParsedArgs {
 public:
  const std::vector<std::string>& Positional() const { return positional_; }
  bool Has(const std::string& name) const { return options_.count(name) != 0; }
  // The value of a valued option, or nothing when it was not given.
  std::optional<std::string> Value(const std::string& name) const;
  std::vector<std::string> Values(const std::string& name) const;
  // The value read as an integer; a UsageError names the option when it is not one.
  std::optional<long long> IntValue(const std::string& name) const;
  // IntValue or `fallback`, refused as a usage error outside [low, high].
  long long IntInRange(const std::string& name, long long low, long long high, long long fallback) const;

  // Requires between min and max positional words (max < 0: no upper limit).
  void ExpectPositional(size_t min, long max) const;

 private:
  friend ParsedArgs ParseArgs(const std::vector<std::string>&, const std::vector<OptionSpec>&);
  std::vector<std::string> positional_;
  std::map<std::string, std::vector<std::string>> options_;
};

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs);

// "A, B,,C" -> {"A", "B", "C"}: an option's comma-separated list, items trimmed, empty ones
// left out.
std::vector<std::wstring> SplitCommaList(const std::string& text);

}  // namespace mirn::cli
