// The ID text of New Extension and mirn-cli add: any text must split and expand without
// failing, every ID must be non-empty and at most 20 characters, and no range may expand
// past its limit. Each range is confirmed, so the largest expansions are exercised.
#include <cstddef>
#include <cstdint>
#include <string>

#include "extensions/ExtensionIdList.h"
#include "util/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::wstring text = mirn::FromUtf8(std::string(reinterpret_cast<const char*>(data), size));
  const auto items = mirn::SplitExtensionIdText(text);
  long long allowed = 0;
  for (const auto& item : items) {
    (void)item;
    allowed += mirn::kMaxRangeCount;
  }
  long long asked = 0;
  const auto ids = mirn::ExpandExtensionIds(items, [&](const std::wstring&, long long count) {
    if (count <= mirn::kConfirmRangeCount || count > mirn::kMaxRangeCount) __builtin_trap();
    ++asked;
    return asked % 2 == 0 ? mirn::RangeChoice::kCreateOne : mirn::RangeChoice::kCreateAll;
  });
  if (!ids) __builtin_trap();  // never cancelled here
  if (static_cast<long long>(ids->size()) > allowed) __builtin_trap();
  for (const auto& id : *ids) {
    if (id.size() > mirn::kMaxExtensionIdLength || mirn::Trim(id).empty()) __builtin_trap();
  }
  return 0;
}
