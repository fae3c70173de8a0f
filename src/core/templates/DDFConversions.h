#pragma once
// Type-code conversions: the shipped read-only table "conversions.db" that maps the type
// codes of retired layouts to the layouts that replace them. Opened once and kept open; when
// the file is missing or of another version every lookup finds nothing.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "templates/SqliteConnection.h"

namespace mirn {

class DDFLibrary;
class KnownFolders;
class MRBBase;

// One extension moved (or, with a non-zero result, not moved) to a new type code.
struct TypeCodeChange {
  std::wstring extensionId;
  std::wstring oldTypeCode;
  std::wstring newTypeCode;
  int result = 0;  // the database's result code of the change
};

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

  // Moves every extension of `database` whose type code has a conversion to a layout the
  // library holds onto the new type code; codes whose new layout is not installed stay.
  // Field texts are not touched. Answers every change tried, in type-code order.
  std::vector<TypeCodeChange> ApplyConversions(MRBBase& database, const DDFLibrary& library) const;

 private:
  // The new type code of an old one; nothing when the table has no row for it.
  std::optional<std::wstring> Lookup(const std::wstring& oldTypeCode) const;

  SqliteConnection db_;
};

}  // namespace mirn
