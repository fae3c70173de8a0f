#pragma once
// One graphic slot of a label: a picture file on disk (linked) or a picture whose bytes are
// stored in the database (embedded), and its rectangle on the label.

#include <cstdint>
#include <string>
#include <string_view>

namespace mirn {

struct MRBGraphic {
  // Full path of the picture file; for a loaded embedded graphic the extracted temporary file.
  std::wstring fileName;
  // The path relative to a base folder, used to find a moved file; ".\" plus the temporary
  // file's name for a loaded embedded graphic.
  std::wstring relativeName;
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool locked = false;
  bool embedded = false;
  // 40 lowercase hexadecimal digits: the SHA-1 of the embedded bytes.
  std::wstring embeddedHash;
  // The file name the embedded picture was stored under; filled on loading, never written.
  std::wstring originalName;

  // The description as UTF-8 JSON text, in the stored layout (tabs, " : ", fixed order).
  std::string ToJson() const;
  // Reads a description; on any fault answers false and leaves the record unchanged.
  bool FromJson(std::string_view text);

  bool operator==(const MRBGraphic&) const = default;
};

// Field ids 1 to 1024 are graphic slots.
inline constexpr int kFirstGraphicSlot = 1;
inline constexpr int kLastGraphicSlot = 1024;
inline bool IsGraphicSlot(int fieldId) {
  return fieldId >= kFirstGraphicSlot && fieldId <= kLastGraphicSlot;
}

}  // namespace mirn
