// Arbitrary bytes as "Custom Codes.xml": reading never fails, and the codes read, written back
// and read again are the same codes.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "FuzzFolder.h"
#include "platform/MemoryProfile.h"
#include "text/CustomCodes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& folder = mirn::fuzz::ScratchFolder("custom-codes");
  const auto file = folder / "Custom Codes.xml";
  mirn::fuzz::WriteBytes(file, data, size);
  mirn::MemoryProfile profile;
  const std::vector<mirn::CustomCode> codes = mirn::LoadCustomCodes(file, profile, folder / "none.ini");
  if (codes.size() > 128) __builtin_trap();
  const auto again = folder / "again.xml";
  if (!mirn::SaveCustomCodes(again, codes)) return 0;
  if (mirn::LoadCustomCodes(again, profile, folder / "none.ini") != codes) __builtin_trap();
  return 0;
}
