#include "json/Json.h"

#include <cstdio>

namespace mirn::json {
namespace {

void WriteString(std::string& out, const std::string& text) {
  out += '"';
  for (const char ch : text) {
    switch (ch) {
      case '\b': out += "\\b"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\f': out += "\\f"; break;
      case '\r': out += "\\r"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default:
        // Other control characters are not allowed raw in JSON text: written unchanged they
        // would make a description that no reader (ours included) accepts.
        if (static_cast<unsigned char>(ch) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(ch));
          out += escaped;
        } else {
          out += ch;
        }
        break;
    }
  }
  out += '"';
}

void WriteNumber(std::string& out, double number) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.20g", number);
  out += buffer;
}

void WriteValue(std::string& out, const Value& value, int depth) {
  const auto indent = [&out](int level) { out.append(static_cast<size_t>(level), '\t'); };
  switch (value.type()) {
    case Value::value_t::object: {
      if (value.empty()) {
        out += "{}";
        return;
      }
      out += "{\n";
      size_t index = 0;
      for (const auto& [name, member] : value.items()) {
        indent(depth + 1);
        WriteString(out, name);
        out += " : ";
        WriteValue(out, member, depth + 1);
        out += ++index < value.size() ? ",\n" : "\n";
      }
      indent(depth);
      out += '}';
      return;
    }
    case Value::value_t::array: {
      if (value.empty()) {
        out += "[]";
        return;
      }
      out += "[\n";
      size_t index = 0;
      for (const auto& element : value) {
        indent(depth + 1);
        WriteValue(out, element, depth + 1);
        out += ++index < value.size() ? ",\n" : "\n";
      }
      indent(depth);
      out += ']';
      return;
    }
    case Value::value_t::string: WriteString(out, value.get_ref<const std::string&>()); return;
    case Value::value_t::boolean: out += value.get<bool>() ? "true" : "false"; return;
    case Value::value_t::number_integer: out += std::to_string(value.get<int64_t>()); return;
    case Value::value_t::number_unsigned: out += std::to_string(value.get<uint64_t>()); return;
    case Value::value_t::number_float: WriteNumber(out, value.get<double>()); return;
    default: out += "null"; return;
  }
}

}  // namespace

Value Parse(std::string_view text) {
  try {
    return Value::parse(text.begin(), text.end());
  } catch (const nlohmann::json::exception& e) {
    throw ParseError(e.what());
  }
}

std::string Write(const Value& value) {
  std::string out;
  WriteValue(out, value, 0);
  return out;
}

}  // namespace mirn::json
