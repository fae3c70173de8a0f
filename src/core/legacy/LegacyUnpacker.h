#pragma once
// Unpacking a legacy database: a header of any bytes, the marker 0x1A "MRB" and an escape
// byte starting in the first 260 bytes, then five run-length packed parts (extension table,
// its index, field table, its memo file, its index), each unpacked into its own file.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "util/ByteSource.h"

namespace mirn {

struct LegacyMarker {
  std::uint64_t offset = 0;  // where 0x1A stands
  std::uint8_t escape = 0;   // the run-length escape byte
  std::uint64_t PartsStart() const { return offset + 5; }
};

// The marker of a legacy file: the first 0x1A among its first 260 bytes must be followed by
// "MRB" and the escape byte; the file must be at least 264 bytes long.
std::optional<LegacyMarker> FindLegacyMarker(const ByteSource& file);

// The five unpacked files. The tables carry no extension; their companions sit beside them
// with the extension the table reader looks for.
struct LegacyParts {
  std::filesystem::path extensionTable;
  std::filesystem::path fieldTable;

  std::filesystem::path ExtensionIndex() const;
  std::filesystem::path FieldMemo() const;
  std::filesystem::path FieldIndex() const;
};

// Unpacks `file` into new files with fresh names in `folder`. Each file is reported to
// `created` as soon as it exists, so that the caller can remove it whatever happens next.
// Throws LegacyError or rle::Exception.
LegacyParts UnpackLegacyFile(const ByteSource& file, const std::filesystem::path& folder,
                             const std::function<void(const std::filesystem::path&)>& created);

}  // namespace mirn
