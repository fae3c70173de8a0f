#pragma once
// A thin layer over nlohmann's JSON document model, whose objects keep the order of their
// members: reading that reports malformed text as an exception of our own, and the
// tab-indented layout the program writes.

#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace mirn::json {

using Value = nlohmann::ordered_json;

class ParseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses a whole document; throws ParseError on any syntax error or invalid UTF-8.
Value Parse(std::string_view text);

// Writes `value` in the program's layout: each member or element on a line of its own,
// indented by one tab per level, written `"name" : value`, a comma at the end of every line
// but the last of its container, the closing brace or bracket on its own line; "{}" and
// "[]" for empty containers; whole numbers without a decimal point, others with up to 20
// significant digits; in strings \b \t \n \f \r \" and \\ are escaped, the other control
// characters as \u00XX, every other byte (UTF-8 included) is written as it is. Nothing
// follows the last closing brace.
std::string Write(const Value& value);

}  // namespace mirn::json
