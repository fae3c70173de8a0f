#pragma once
// What the benchmark programs share to set up their input: a scratch folder of their own,
// empty databases that keep their temporary files there, and layout files written for the
// template library.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db/MRBBase.h"
#include "platform/Guid.h"
#include "platform/KnownFolders.h"
#include "store/OpenDatabase.h"
#include "templates/CDDFTemplate.h"
#include "templates/DDFWriter.h"
#include "util/Text.h"

namespace mirn::bench {

// A new folder "<prefix><guid>" under $TMPDIR (default /tmp) with an empty "ddf" folder for
// layout files. The caller removes it when done.
inline std::filesystem::path MakeScratchFolder(const std::string& prefix) {
  const char* tmp = std::getenv("TMPDIR");
  auto path = std::filesystem::path(tmp && *tmp ? tmp : "/tmp") / (prefix + ToUtf8(NewGuid()));
  std::filesystem::create_directories(path / "ddf");
  return path;
}

// The program's one scratch folder, made on first use; main removes it at the end.
inline const std::filesystem::path& BenchFolder() {
  static const std::filesystem::path folder = MakeScratchFolder("mirn-bench-");
  return folder;
}

// An empty, untitled database keeping its temporary files in `folder`.
inline std::unique_ptr<MRBBase> NewDatabase(const std::filesystem::path& folder = BenchFolder()) {
  int code = 0;
  DatabaseOptions options;
  options.tempFolder = folder;
  return OpenDatabase({}, code, options);
}

// The layouts the build bundles: bin/ddf beside the benchmarks' own folder.
inline std::filesystem::path BundledLayouts() { return ExecutableFolder().parent_path() / "bin" / "ddf"; }

// Writes `layout` as a template file at `file`.
inline void WriteLayout(const std::filesystem::path& file, const CDDFTemplate& layout, const std::string& preamble) {
  std::ofstream(file, std::ios::binary) << WriteDDF(layout, preamble);
}

// An empty layout of group "Bench", version 270, of the given label size in twips.
inline CDDFTemplate BenchLayout(const std::wstring& typeCode, const std::wstring& description, int width, int height) {
  CDDFTemplate t;
  t.header.version = L"270";
  t.header.groupName = L"Bench";
  t.header.typeCode = typeCode;
  t.header.description = description;
  t.header.labelWidth = width;
  t.header.labelHeight = height;
  return t;
}

// Layout number `n` of a generated library: type code "T<10000+n>", description
// "Bench layout <n>", 1 x 4 inches, twelve selectable, printed text fields 1101-1112, and
// the given label positions.
inline CDDFTemplate NumberedLayout(int n, int group, std::vector<LabelSlot> slots) {
  CDDFTemplate t;
  t.header.version = L"270";
  t.header.typeCode = L"T" + std::to_wstring(10000 + n);
  t.header.groupName = L"Maker " + std::to_wstring(group);
  t.header.description = L"Bench layout " + std::to_wstring(n);
  t.header.labelWidth = 1440;
  t.header.labelHeight = 5760;
  t.slots = std::move(slots);
  for (std::uint32_t id = 1101; id < 1113; ++id) {
    CDDFObject o;
    o.id = id;
    o.flags = DDF_PRINT | DDF_SELECT | DDF_TEXT;
    t.objects.push_back(o);
  }
  return t;
}

}  // namespace mirn::bench
