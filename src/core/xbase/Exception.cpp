#include "xbase/Exception.h"

namespace mirn::xbase {

std::string QuotePath(const std::filesystem::path& path) {
  std::string quoted = "\"";
  for (const char ch : path.string()) {
    if (ch == '"' || ch == '&') quoted += '&';
    quoted += ch;
  }
  quoted += '"';
  return quoted;
}

void Require(bool condition, const char* expectation) {
  if (!condition) throw Exception(std::string("assertion failed: ") + expectation);
}

}  // namespace mirn::xbase
