// Arbitrary bytes as a current-format label database, opened and read through the store as
// the program reads a user's file: extensions, fields (parsed as texts), picture slots and
// their stored pictures, selections; then one field written. Seeds are real database files,
// so the fuzzer mutates SQLite files, not only text. Nothing may stay in the temporary
// folder once the database is gone.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "FuzzFolder.h"
#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "db/MRBGraphic.h"
#include "store/OpenDatabase.h"
#include "text/CRTFText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& folder = mirn::fuzz::ScratchFolder("database");
  const auto temp = folder / "temp";
  const auto file = folder / "input.mrb";
  mirn::fuzz::WriteBytes(file, data, size);
  {
    std::unique_ptr<mirn::MRBBase> db = mirn::fuzz::OpenWithTempFolder(file, temp, false);
    if (db) {
      (void)db->GetVersions();
      (void)db->GetTypeCodes();
      (void)db->CountUnwalkableExtensions();
      (void)db->LoadSelections();
      size_t walked = 0;
      std::wstring first;
      for (const auto& id : db->Extensions()) {
        if (++walked > 200) break;  // a walk that starts over must not run forever
        if (first.empty()) first = id;
        std::wstring type;
        std::wstring name;
        db->GetExtension(id, type, name);
        (void)db->GetExtensionsWithTypeCode(type);
        size_t fields = 0;
        for (int field : db->FieldIds(id)) {
          if (++fields > 200) break;
          if (field >= 1 && field <= 1024) {
            mirn::MRBGraphic graphic;
            if (db->GetGraphicField(id, field, graphic) == 0 && graphic.embedded) {
              std::filesystem::path extracted;
              std::wstring original;
              (void)db->ExtractGraphic(graphic.embeddedHash, extracted, original);
            }
          } else {
            (void)mirn::CRTFText(db->GetField(id, field), id, name, nullptr).GetDisplayText();
          }
        }
      }
      if (!first.empty()) (void)db->SetField(first, 1100, L"{\\rtf1 fuzz}");
    }
  }
  if (!std::filesystem::is_empty(temp)) __builtin_trap();
  return 0;
}
