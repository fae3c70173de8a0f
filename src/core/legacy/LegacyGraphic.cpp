#include "legacy/LegacyGraphic.h"

#include "util/Text.h"

namespace mirn {

namespace {

constexpr std::string_view kTag = "@R_BLOB@";

std::wstring NameAt(std::string_view content, std::size_t offset) {
  std::string_view name = content.substr(offset, 255);
  name = name.substr(0, name.find('\0'));
  // The names were written in the system's ANSI code page, Windows-1252 on the systems the
  // previous generation ran on. Windows could also widen 8.3 short names to their long
  // form here; those names do not exist on this system, so they stay as written.
  return FromCp1252(name);
}

std::int32_t Int32At(std::string_view content, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(content[offset + i]);
  return static_cast<std::int32_t>(value);
}

}  // namespace

bool IsLegacyGraphic(std::string_view content) { return content.substr(0, kTag.size()) == kTag; }

LegacyGraphic ParseLegacyGraphic(std::string_view content) {
  LegacyGraphic graphic;
  if (content.size() < LegacyGraphic::kRecordSize) return graphic;
  graphic.fileName = NameAt(content, 16);
  graphic.relativeName = NameAt(content, 271);
  graphic.left = Int32At(content, 526);
  graphic.top = Int32At(content, 530);
  graphic.width = Int32At(content, 534);
  graphic.height = Int32At(content, 538);
  return graphic;
}

}  // namespace mirn
