#include "cli/CommandLine.h"

#include <algorithm>
#include <charconv>

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {

std::optional<std::string> ParsedArgs::Value(const std::string& name) const {
  const auto it = options_.find(name);
  if (it == options_.end() || it->second.empty()) return std::nullopt;
  return it->second.back();
}

std::vector<std::string> ParsedArgs::Values(const std::string& name) const {
  const auto it = options_.find(name);
  return it == options_.end() ? std::vector<std::string>{} : it->second;
}

std::optional<long long> ParsedArgs::IntValue(const std::string& name) const {
  const auto v = Value(name);
  if (!v) return std::nullopt;
  long long n = 0;
  const char* first = v->data();
  const char* last = first + v->size();
  auto [ptr, ec] = std::from_chars(first, last, n);
  if (v->empty() || ec != std::errc() || ptr != last) {
    throw UsageError(FormatString(TrUtf8("Cli", "--%1 takes a whole number, not '%2'"), {name, *v}));
  }
  return n;
}

long long ParsedArgs::IntInRange(const std::string& name, long long low, long long high,
                                 long long fallback) const {
  const long long value = IntValue(name).value_or(fallback);
  if (value < low || value > high) {
    throw UsageError(FormatString(TrUtf8("Cli", "--%1 must be between %2 and %3"),
                                  {name, std::to_string(low), std::to_string(high)}));
  }
  return value;
}

void ParsedArgs::ExpectPositional(size_t min, long max) const {
  if (positional_.size() < min) throw UsageError(TrUtf8("Cli", "missing arguments"));
  if (max >= 0 && positional_.size() > static_cast<size_t>(max)) {
    throw UsageError(FormatString(TrUtf8("Cli", "unexpected argument '%1'"), {positional_[static_cast<size_t>(max)]}));
  }
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs) {
  ParsedArgs parsed;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
      if (arg == "--" && !optionsEnded) {
        optionsEnded = true;
        continue;
      }
      parsed.positional_.push_back(arg);
      continue;
    }
    std::string name = arg.substr(2);
    std::optional<std::string> inlineValue;
    if (const size_t eq = name.find('='); eq != std::string::npos) {
      inlineValue = name.substr(eq + 1);
      name.resize(eq);
    }
    const OptionSpec* spec = nullptr;
    for (const auto& s : specs) {
      if (s.name == name) spec = &s;
    }
    if (spec == nullptr) throw UsageError(FormatString(TrUtf8("Cli", "unknown option --%1"), {name}));
    if (!spec->repeatable && parsed.options_.count(name)) {
      throw UsageError(FormatString(TrUtf8("Cli", "--%1 given twice"), {name}));
    }
    auto& values = parsed.options_[name];
    if (spec->takesValue) {
      if (inlineValue) {
        values.push_back(*inlineValue);
      } else if (i + 1 < args.size()) {
        values.push_back(args[++i]);
      } else {
        throw UsageError(FormatString(TrUtf8("Cli", "--%1 needs a value"), {name}));
      }
    } else if (inlineValue) {
      throw UsageError(FormatString(TrUtf8("Cli", "--%1 takes no value"), {name}));
    }
  }
  return parsed;
}

std::vector<std::wstring> SplitCommaList(const std::string& text) {
  std::vector<std::wstring> items;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::wstring item = Trim(FromUtf8(text.substr(start, comma - start)));
    if (!item.empty()) items.push_back(item);
    start = comma + 1;
  }
  return items;
}

}  // namespace mirn::cli
