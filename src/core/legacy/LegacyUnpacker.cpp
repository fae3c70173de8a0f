#include "legacy/LegacyUnpacker.h"

#include <algorithm>
#include <cerrno>
#include <array>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "legacy/LegacyError.h"
#include "legacy/RleDecoder.h"
#include "platform/Guid.h"
#include "db/WorkFiles.h"
#include "platform/TempFile.h"
#include "util/Text.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {

namespace {

constexpr std::size_t kMinimumSize = 264;
constexpr std::size_t kMarkerWindow = 260;

std::filesystem::path Beside(const std::filesystem::path& table, const char* extension) {
  return std::filesystem::path(table).replace_extension(extension);
}

}  // namespace

std::filesystem::path LegacyParts::ExtensionIndex() const { return Beside(extensionTable, ".cdx"); }
std::filesystem::path LegacyParts::FieldMemo() const { return Beside(fieldTable, ".fpt"); }
std::filesystem::path LegacyParts::FieldIndex() const { return Beside(fieldTable, ".cdx"); }

std::optional<LegacyMarker> FindLegacyMarker(const ByteSource& file) {
  std::array<unsigned char, kMinimumSize> start{};
  if (file.ReadAt(0, start.data(), start.size()) != start.size()) return std::nullopt;
  const auto limit = start.begin() + kMarkerWindow;
  const auto marker = std::find(start.begin(), limit, 0x1A);
  if (marker == limit || std::memcmp(&*(marker + 1), "MRB", 3) != 0) return std::nullopt;
  LegacyMarker found;
  found.offset = static_cast<std::uint64_t>(marker - start.begin());
  found.escape = *(marker + 4);  // below 264 because the marker starts below 260
  return found;
}

LegacyParts UnpackLegacyFile(const ByteSource& file, const std::filesystem::path& folder,
                             const std::function<void(const std::filesystem::path&)>& created) {
  if (file.Size() < kMinimumSize) {
    throw LegacyError(FormatString(TrUtf8("LegacyReader", "the file is too short (%1 bytes) to hold a legacy database header"),
                                   {std::to_string(file.Size())}));
  }
  const std::optional<LegacyMarker> marker = FindLegacyMarker(file);
  if (!marker) throw LegacyError(TrUtf8("LegacyReader", "the file has no legacy database marker"));

  LegacyParts parts;
  parts.extensionTable = folder / LegacyTemporaryName(NewGuid());
  parts.fieldTable = folder / LegacyTemporaryName(NewGuid());
  const std::filesystem::path targets[] = {parts.extensionTable, parts.ExtensionIndex(),
                                           parts.fieldTable, parts.FieldMemo(),
                                           parts.FieldIndex()};
  for (const auto& target : targets) {
    // Exclusive creation: never an existing file, never through a link.
    std::error_code error;
    if (!CreateFileExclusive(target, &error)) {
      throw LegacyError(FormatString(TrUtf8("LegacyReader", "could not create the temporary file %1: %2"),
                                     {target.string(), error.message()}));
    }
    created(target);
  }
  std::uint64_t offset = marker->PartsStart();
  for (const auto& target : targets) {
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!out) throw LegacyError(FormatString(TrUtf8("LegacyReader", "could not write the temporary file %1"), {target.string()}));
    offset = rle::DecodePart(file, offset, marker->escape, out);
    out.close();
    if (!out) {
      throw LegacyError(FormatString(TrUtf8("LegacyReader", "could not write the temporary file %1: %2"),
                                     {target.string(), std::error_code(errno, std::generic_category()).message()}));
    }
  }
  return parts;
}

}  // namespace mirn
