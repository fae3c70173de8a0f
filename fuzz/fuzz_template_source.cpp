// The template source compiler on arbitrary text: it must compile or throw
// TemplateSourceError, and what it compiles must load and dump back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "util/ByteSource.h"
#include "templates/CDDFTemplate.h"
#include "templates/DDFReader.h"
#include "templates/TemplateSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string bytes;
  try {
    bytes = mirn::CompileTemplateSource(text);
  } catch (const mirn::TemplateSourceError&) {
    return 0;
  }
  const mirn::MemoryByteSource source(bytes);
  const mirn::CDDFTemplate loaded = mirn::CDDFTemplate::Load(source, L"fuzz.ddf");  // must not throw
  const std::string dumped = mirn::DumpTemplateSource(mirn::LoadInFileOrder(source, L"fuzz.ddf"), mirn::ReadPreamble(source));
  if (mirn::CompileTemplateSource(dumped) != bytes) __builtin_trap();
  (void)loaded;
  return 0;
}
