#pragma once
// A legacy database that cannot be unpacked or converted, with the reason in words.

#include <stdexcept>
#include <string>

namespace mirn {

class LegacyError : public std::runtime_error {
 public:
  explicit LegacyError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace mirn
