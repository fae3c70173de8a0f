// Arbitrary bytes as the printer settings files: reading never fails, and a printer's
// adjustment or a layout's partial sheet saved into whatever the file held reads back as saved
// (a save that reports success has stored what it was given).
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "FuzzFolder.h"

#include "platform/MemoryProfile.h"
#include "print/PartialSheets.h"
#include "print/PrinterAdjustment.h"
#include "print/PrinterSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& folder = mirn::fuzz::ScratchFolder("printer");
  // Backups of damaged files from the input before.
  mirn::fuzz::EmptyFolder(folder);
  const std::filesystem::path file = folder / "printers.xml";
  mirn::fuzz::WriteBytes(file, data, size);
  mirn::PrinterSettingsStore settings;
  settings.Load(file, {2026, 1, 1, 0, 0, 0});

  mirn::MemoryProfile profile;
  profile.WriteInt(L"Precise Printer Adjustment", L"P Migrated to XML", 1);
  mirn::PrinterAdjustmentStore store(file, profile);
  (void)store.Load(L"P");
  const mirn::PrinterAdjustment a{L"P", 1, -2, 3, -4};
  if (store.Save(a) && !(store.Load(L"P") == a)) __builtin_trap();

  mirn::fuzz::WriteBytes(file, data, size);
  mirn::PartialSheetStore sheets(file);
  (void)sheets.NextSlot(L"L", L"P", 30);
  if (sheets.Record(L"L", L"P", 7) && sheets.NextSlot(L"L", L"P", 30) != 7) __builtin_trap();
  return 0;
}
