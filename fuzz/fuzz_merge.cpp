// Arbitrary bytes as another label database merged into a fresh one, as Merge does: its
// extensions, fields and embedded pictures are read and written through the store. Seeds
// are real database files. Nothing may stay in the temporary folder afterwards.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "FuzzFolder.h"
#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "exchange/MRBExporterCommands.h"
#include "platform/NullProgressWindow.h"
#include "store/OpenDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& folder = mirn::fuzz::ScratchFolder("merge");
  const auto temp = folder / "temp";
  const auto other = folder / "other.mrb";
  mirn::fuzz::WriteBytes(other, data, size);
  {
    std::unique_ptr<mirn::MRBBase> target = mirn::fuzz::OpenWithTempFolder({}, temp, true);
    mirn::DatabaseOptions options;
    options.tempFolder = temp;
    target->AddExtension(L"1", L"T3", L"kept");
    mirn::NullProgressWindow progress;
    // No question is asked: a namesake in the target is kept.
    (void)mirn::RunMerge(*target, other, options, progress, nullptr);
    size_t walked = 0;
    for (const auto& id : target->Extensions()) {
      if (++walked > 1000) break;
      for (int field : target->FieldIds(id)) (void)target->GetField(id, field);
    }
  }
  if (!std::filesystem::is_empty(temp)) __builtin_trap();
  return 0;
}
