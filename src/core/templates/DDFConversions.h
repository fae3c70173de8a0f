#pragma once
// Type-code conversions: the shipped read-only table "conversions.db" that maps the type
// codes of retired layouts to the layouts that replace them. Opened once and kept open; when
// the file is missing or of another version every lookup finds nothing.

#include <filesystem>
#include <string>
#include <vector>

#include "templates/SqliteConnection.h"

namespace mirn {

class DDFLibrary;
class KnownFolders;
class MRBBase;

class DDFConversions {
 public:
  static constexpr const char* kFileName = "conversions.db";

  // The folder the program reads the table from: "Mirn" in the all-users data folder.
  static std::filesystem::path DefaultFolder(const KnownFolders& folders);

  // Opens "conversions.db" in `folder` read-only. Answers whether the table is usable: a
  // missing file, one that is not a database, or one whose "versions" does not list 100
  // leaves it closed.
  bool OpenConversions(const std::filesystem::path& folder);
  // Opens a table file by its own path, as OpenConversions does for its folder.
  bool OpenFile(const std::filesystem::path& file);
  bool IsOpen() const { return db_.IsOpen(); }

  bool HasConversion(const std::wstring& oldTypeCode) const;
  // Throws DDFConversionException "no new typeCode for DDF: " + the old code without a row.
  std::wstring GetNewTypeCode(const std::wstring& oldTypeCode) const;

  // Moves every extension of `database` whose type code has a conversion to an installed
  // layout onto the new type code; codes whose new layout `library` lacks stay. Field texts
  // are not touched. Answers the old codes that moved, with their new codes.
  std::vector<std::pair<std::wstring, std::wstring>> ApplyConversions(MRBBase& database, DDFLibrary& library) const;

 private:
  SqliteConnection db_;
};

}  // namespace mirn
