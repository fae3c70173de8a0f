// GNTP responses come from whatever listens on the notification port: reading them must
// never fail, and what it keeps must come from the bytes given.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/GntpNotifier.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const mirn::GntpResponse r = mirn::ParseGntpResponse(bytes);
  size_t total = r.version.size() + r.directive.size() + r.rest.size();
  for (const auto& h : r.headers) {
    if (h.empty() || h.find("\r\n") != std::string::npos) __builtin_trap();
    total += h.size();
  }
  if (total > size) __builtin_trap();
  return 0;
}
