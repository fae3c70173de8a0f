// The xBase table reader over arbitrary tables and memo files. Input: one byte that says
// which companion files exist (bit 0 the memo files, bit 1 the index file), two bytes of
// little-endian table length, the table, then the memo file (read as .fpt and as .dbt).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "util/SourceOpener.h"
#include "xbase/BaseDbf.h"
#include "xbase/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t tableLength =
      std::min<std::size_t>(static_cast<std::uint8_t>(bytes[1]) |
                                static_cast<std::uint8_t>(bytes[2]) << 8,
                            size - 3);
  auto files = std::make_shared<mirn::MemorySourceOpener>();
  files->Add("t.dbf", bytes.substr(3, tableLength));
  if (bytes[0] & 1) {
    files->Add("t.fpt", bytes.substr(3 + tableLength));
    files->Add("t.dbt", bytes.substr(3 + tableLength));
  }
  if (bytes[0] & 2) files->Add("t.cdx", "");
  try {
    const auto table = mirn::xbase::OpenTable("t.dbf", files);
    // The size check bounds the count by the table's own length.
    const std::uint32_t count = table->GetRecordCount();
    for (std::uint32_t row = 1; row <= count; ++row) {
      try {
        (void)table->ReadRecord(row);
      } catch (const mirn::xbase::Exception&) {
      }
    }
  } catch (const mirn::xbase::Exception&) {
  }
  return 0;
}
