#include "cli/Command.h"

#include <sstream>

namespace mirn::cli {

void CommandTable::Add(Command command) { commands_.push_back(std::move(command)); }

const Command* CommandTable::Find(const std::vector<std::string>& words, size_t& consumed) const {
  const Command* best = nullptr;
  size_t bestWords = 0;
  for (const auto& command : commands_) {
    std::istringstream name(command.name);
    std::string part;
    size_t n = 0;
    bool match = true;
    while (name >> part) {
      if (n >= words.size() || words[n] != part) {
        match = false;
        break;
      }
      ++n;
    }
    if (match && n > bestWords) {
      best = &command;
      bestWords = n;
    }
  }
  consumed = bestWords;
  return best;
}

}  // namespace mirn::cli
