#pragma once
// The one error of the xBase reader: a text message saying what was wrong and where.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace mirn::xbase {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A path between double quotes, with '"' and '&' inside it preceded by '&'.
std::string QuotePath(const std::filesystem::path& path);

// Throws an Exception naming the broken expectation when `condition` is false. Used for
// the reader's own contracts (a caller passing the wrong length), never for file content.
void Require(bool condition, const char* expectation);

}  // namespace mirn::xbase
