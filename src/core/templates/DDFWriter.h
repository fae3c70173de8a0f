#pragma once
// Writes layout template files in the format CDDFTemplate::Load reads, for the template
// compiler and for tests that need template bytes.

#include <stdexcept>
#include <string>
#include <string_view>

#include "templates/CDDFTemplate.h"

namespace mirn {

// A template that cannot be written as asked (a text longer than its field, a preamble too
// long or holding the end mark). The message names the field.
class DDFWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file bytes of `t`: `preamble` (Windows-1252 bytes), 0x1A, the header, the slots and
// the objects in the order held. The header's counts are taken from the vectors. With `padToMinimum`, a preamble that would leave
// the file shorter than the 480 bytes every reader needs is extended with spaces.
std::string WriteDDF(const CDDFTemplate& t, std::string_view preamble, bool padToMinimum = true);

}  // namespace mirn
