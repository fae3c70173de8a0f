// The tips file (its path is a setting, so it may name any file) and the system's os-release
// file are read as they are: any bytes must give tips within the line limit and a caption,
// without a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/TipOfTheDay.h"
#include "platform/OsRelease.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const mirn::TipsFile tips = mirn::TipsFile::FromBytes(bytes);
  for (std::size_t i = 0; i < tips.Count(); ++i) {
    if (tips.Tip(i).size() > mirn::kMaxTipLength) __builtin_trap();
  }
  if (mirn::OsCaptionFromText(bytes).empty()) __builtin_trap();
  return 0;
}
