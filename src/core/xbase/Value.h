#pragma once
// The values a record holds and the record itself.

#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <variant>

namespace mirn::xbase {

// Seconds from 1970-01-01 00:00 UTC.
struct Time {
  std::int64_t seconds = 0;
  auto operator<=>(const Time&) const = default;
};

// Text is the table's own bytes: no code page is applied.
using Value = std::variant<std::string, double, bool, Time>;

// Column name to value, plus the entry "deleted" (bool).
using Record = std::map<std::string, Value>;

inline constexpr const char* kDeletedKey = "deleted";

}  // namespace mirn::xbase
