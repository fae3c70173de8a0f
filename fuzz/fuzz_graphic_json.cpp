// Graphic descriptions come from database files: any text must either read as a whole record
// or leave the record untouched, and what reads must write and read back to the same record.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "db/MRBGraphic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  mirn::MRBGraphic sentinel;
  sentinel.fileName = L"sentinel";
  mirn::MRBGraphic graphic = sentinel;
  if (!graphic.FromJson(text)) {
    if (!(graphic == sentinel)) __builtin_trap();
    return 0;
  }
  mirn::MRBGraphic again;
  if (!again.FromJson(graphic.ToJson()) || !(again == graphic)) __builtin_trap();
  return 0;
}
