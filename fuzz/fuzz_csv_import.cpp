// Arbitrary bytes as a CSV file imported into a fresh database, as Import from CSV (and the
// import filters, which hand their output to it) runs it: records joined over lines, cells
// matched to the layouts' fields, texts stored in the import style. The first byte chooses
// the style; the rest is the file. Every stored field must read back as a text the program can parse.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "FuzzFolder.h"
#include "FuzzLayouts.h"
#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "exchange/MRBCSVImportSettings.h"
#include "exchange/MRBExporterCommands.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/NullProgressWindow.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"
#include "text/CRTFText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& folder = mirn::fuzz::ScratchFolder("csv-import");
  static mirn::DDFLibrary* library = [&] {
    mirn::fuzz::WriteLayouts(folder / "layouts");
    static mirn::FakeKnownFolders folders(folder);
    auto* made = new mirn::DDFLibrary(folders, std::filesystem::path());
    made->ScanFolders({(folder / "layouts").string()});
    return made;
  }();
  const auto temp = folder / "temp";
  if (size == 0) return 0;
  const auto csv = folder / "input.csv";
  mirn::fuzz::WriteBytes(csv, data + 1, size - 1);

  mirn::MemoryProfile profile;
  mirn::CsvImportSettings style;
  const uint8_t choice = data[0];
  style.pointSize = 1 + choice % 72;
  style.bold = (choice & 0x10) != 0;
  style.italic = (choice & 0x20) != 0;
  style.alignment = (choice >> 6) & 3;
  style.Write(profile);
  {
    std::unique_ptr<mirn::MRBBase> db = mirn::fuzz::OpenWithTempFolder({}, temp, true);
    db->AddExtension(L"1", L"T3", L"existing");
    mirn::NullProgressWindow progress;
    (void)mirn::RunCsvImport(*db, *library, profile, csv, progress, nullptr);
    size_t walked = 0;
    for (const auto& id : db->Extensions()) {
      if (++walked > 1000) break;
      for (int field : db->FieldIds(id)) (void)mirn::CRTFText(db->GetField(id, field)).GetDisplayText();
    }
  }
  if (!std::filesystem::is_empty(temp)) __builtin_trap();
  return 0;
}
