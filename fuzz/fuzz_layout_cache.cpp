// Arbitrary bytes as the layout cache ("ddfcache.db") and as the conversions database, as the
// library and the type-code conversions read them: a cache that lies about the folder's files
// must not make the library hand out a layout the folder does not hold, and conversions
// applied to a database move only extensions to layouts the library has. Seeds are the
// program's own files. The first byte chooses which of the two the rest is.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "FuzzFolder.h"
#include "FuzzLayouts.h"
#include "db/MRBBase.h"
#include "platform/KnownFolders.h"
#include "store/OpenDatabase.h"
#include "templates/DDFConversions.h"
#include "templates/DDFLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::filesystem::path& folder = mirn::fuzz::ScratchFolder("layout-cache");
  static const bool written = [&] {
    mirn::fuzz::WriteLayouts(folder / "layouts");
    return true;
  }();
  (void)written;
  const mirn::FakeKnownFolders folders(folder);
  const auto file = folder / "input.db";
  mirn::fuzz::WriteBytes(file, data + 1, size - 1);
  if (data[0] % 2 == 0) {
    mirn::DDFLibrary library(folders, file);
    library.ScanFolders({(folder / "layouts").string()});
    for (const auto& [code, info] : library.Entries()) {
      if (code != L"T3" && code != L"T4") __builtin_trap();
      try {
        (void)library.GetTemplate(code);
      } catch (const std::exception&) {
      }
    }
  } else {
    mirn::DDFLibrary library(folders, std::filesystem::path());
    library.ScanFolders({(folder / "layouts").string()});
    mirn::DDFConversions conversions;
    if (!conversions.OpenFile(file)) return 0;
    try {
      (void)conversions.GetNewTypeCode(L"OLD");
    } catch (const std::exception&) {  // no row for it: said so by the exception
    }
    std::unique_ptr<mirn::MRBBase> db = mirn::fuzz::OpenWithTempFolder({}, folder / "temp", true);
    db->AddExtension(L"1", L"OLD", L"");
    db->AddExtension(L"2", L"T3", L"");
    for (const auto& change : conversions.ApplyConversions(*db, library)) {
      if (change.result == 0 && !library.Contains(db->GetTypeCode(change.extensionId))) __builtin_trap();
    }
  }
  return 0;
}
