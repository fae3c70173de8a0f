// Opening arbitrary legacy databases end to end: the input follows a legacy marker and is
// unpacked, read and converted. Whatever happens, no temporary file may stay behind once
// the database object is gone.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzFolder.h"
#include "legacy/MRBv2.h"

namespace {

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path& dir = mirn::fuzz::ScratchFolder("legacy");
    std::filesystem::create_directories(dir / "temp");
    return dir;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto file = Folder() / "input.mrb";
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string marker = "\x1AMRB\xB7";
    out.write(marker.data(), static_cast<std::streamsize>(marker.size()));
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (size + marker.size() < 264) out << std::string(264 - size - marker.size(), '\0');
  }
  {
    mirn::MRBv2 db;
    db.SetTempFolder(Folder() / "temp");
    if (db.Open(file) == 0) {
      std::wstring id;
      for (bool more = db.GetNextExtension(L"", id); more; more = db.GetNextExtension(id, id)) {
        for (int f = db.GetNextFieldId(id, 0); f != 0; f = db.GetNextFieldId(id, f)) {
          (void)db.GetField(id, f);
        }
      }
    }
  }
  if (!std::filesystem::is_empty(Folder() / "temp")) __builtin_trap();
  return 0;
}
