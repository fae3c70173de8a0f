// The layout template reader on arbitrary bytes: it must load or throw DDFException, and a
// loaded template must hold exactly what its header promised, and its label stock (words of
// the reserved header text) must read and write back to the same stock.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "util/ByteSource.h"
#include "templates/CDDFTemplate.h"
#include "templates/DDFException.h"
#include "templates/SheetStock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const mirn::MemoryByteSource bytes(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    const mirn::CDDFTemplate t = mirn::CDDFTemplate::Load(bytes, L"fuzz.ddf");
    if (t.slots.size() != t.header.slotCount || t.objects.size() != t.header.objectCount) __builtin_trap();
    for (const auto& o : t.objects) (void)o.GetCaption();
    if (!t.objects.empty()) (void)t.NextField(t.objects.back().id);
    const mirn::SheetStock stock = mirn::StockOf(t);
    if (mirn::ReadSheetStock(mirn::WithSheetStock(t.header.reservedText, stock)) != stock) __builtin_trap();
    const mirn::SheetSize sheet = mirn::SheetSizeOf(t);
    if (sheet.width <= 0 || sheet.height <= 0) __builtin_trap();
  } catch (const mirn::DDFException&) {
  }
  try {
    mirn::DDFHeaderInfo info;
    (void)mirn::CDDFTemplate::ReadInfo(bytes, L"fuzz.ddf", info);
  } catch (const mirn::DDFException&) {
  }
  return 0;
}
