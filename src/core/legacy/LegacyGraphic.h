#pragma once
// The picture record of legacy fields: "@R_BLOB@", 8 unread bytes, the file name and the
// relative name (255 bytes each, zero-terminated), then left, top, width and height as
// signed 32-bit little-endian numbers: 542 bytes in all.

#include <cstdint>
#include <string>
#include <string_view>

namespace mirn {

struct LegacyGraphic {
  static constexpr std::size_t kRecordSize = 542;

  std::wstring fileName;
  std::wstring relativeName;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// True when a field's content is a picture record (it starts with "@R_BLOB@").
bool IsLegacyGraphic(std::string_view content);
// The record's names and rectangle; a record shorter than 542 bytes gives empty names and a
// zero rectangle.
LegacyGraphic ParseLegacyGraphic(std::string_view content);

}  // namespace mirn
