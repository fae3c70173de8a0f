// Arbitrary bytes as the printer settings files: reading never fails, and a printer's
// adjustment or a layout's partial sheet saved into whatever the file held reads back as saved.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "platform/MemoryProfile.h"
#include "print/PartialSheets.h"
#include "print/PrinterAdjustment.h"
#include "print/PrinterSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path folder = [] {
    char name[] = "/tmp/mirn-fuzz-printer-XXXXXX";
    return std::filesystem::path(mkdtemp(name));
  }();
  const std::filesystem::path file = folder / "printers.xml";
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
  mirn::PrinterSettingsStore settings;
  settings.Load(file, {2026, 1, 1, 0, 0, 0});

  mirn::MemoryProfile profile;
  profile.WriteInt(L"Precise Printer Adjustment", L"P Migrated to XML", 1);
  mirn::PrinterAdjustmentStore store(file, profile);
  (void)store.Load(L"P");
  const mirn::PrinterAdjustment a{L"P", 1, -2, 3, -4};
  if (store.Save(a) && !(store.Load(L"P") == a)) __builtin_trap();

  std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
  mirn::PartialSheetStore sheets(file);
  (void)sheets.NextSlot(L"L", L"P", 30);
  if (sheets.Record(L"L", L"P", 7) && sheets.NextSlot(L"L", L"P", 30) != 7) __builtin_trap();
  return 0;
}
