#include "templates/CDDFObject.h"

#include <algorithm>
#include <cstring>

#include "util/Text.h"

namespace mirn {

std::wstring CDDFObject::GetCaption() const {
  const auto end = std::find(text.begin(), text.end(), '\0');
  return FromCp1252(std::string_view(text.data(), static_cast<std::size_t>(end - text.begin())));
}

bool CDDFObject::SetCaption(std::wstring_view caption, std::size_t limit) {
  const std::string bytes = ToCp1252(caption);
  if (bytes.size() > std::min(limit, text.size())) return false;
  text.fill('\0');
  std::memcpy(text.data(), bytes.data(), bytes.size());
  return true;
}

}  // namespace mirn
