#pragma once
// Layouts for the extension list and adding tests, written as template files:
//   "HX40" (group "Halden", "Halden 40 card"): text field 1210 with default "  Ext {Ext}  ",
//          field 1211 second-kind text with default "{comment}", field 1212 text with no default,
//          a caption 1205;
//   "HX60" (group "Halden", "Halden 60 set"): text field 1220 default "Line";
//   "HX61" (group "Halden", "Halden 60 set"): the same description as HX60;
//   "CV9"  (group "Corvane", "Corvane 9"): text fields 1230 (second-kind only, default
//          "{COMMENT}" in another case: kept empty) and 1231 (first and second kind, default
//          "{COMMENT}": kept).

#include <filesystem>
#include <memory>

namespace mirn {
class DDFLibrary;
class KnownFolders;
}

namespace mirn::test {

void WriteListLayouts(const std::filesystem::path& folder);

// A library of exactly those layouts (no cache), with the folders object it borrows.
struct ListLibrary {
  explicit ListLibrary(const std::filesystem::path& root);
  ~ListLibrary();
  std::unique_ptr<KnownFolders> folders;
  std::unique_ptr<DDFLibrary> library;
};

}  // namespace mirn::test
