#pragma once
// One object of a layout template (a text field, caption, frame or shape) and the bits that
// say how it is drawn and whether the user can edit it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace mirn {

// Object flags.
inline constexpr std::uint32_t DDF_PRINT = 0x0001;      // printed; otherwise on screen only
inline constexpr std::uint32_t DDF_SELECT = 0x0002;     // a field the user selects and edits
inline constexpr std::uint32_t DDF_TEXT = 0x0004;       // text field showing the stored text
inline constexpr std::uint32_t DDF_TEXT2 = 0x0008;      // text field, same as DDF_TEXT
inline constexpr std::uint32_t DDF_CAPTION = 0x0010;    // fixed caption: the object's own text
inline constexpr std::uint32_t DDF_RECT = 0x0020;       // filled rectangle with a thin frame
inline constexpr std::uint32_t DDF_ELLIPSE = 0x0040;    // filled ellipse with a thin frame
inline constexpr std::uint32_t DDF_DOTTED = 0x0080;     // dotted (focus-style) frame
inline constexpr std::uint32_t DDF_HIDDEN = 0x0100;     // not drawn on screen
inline constexpr std::uint32_t DDF_ROUNDRECT = 0x0200;  // rounded rectangle, corners width/5
inline constexpr std::uint32_t DDF_HOLLOW = 0x0400;     // shapes are framed, not filled
inline constexpr std::uint32_t DDF_LIGHT = 0x0800;      // lightened on screen, grey frames on paper
inline constexpr std::uint32_t DDF_REFRESH = 0x1000;    // editing it re-expands name codes

// Size of the text block of an object in memory (and in a "270" file).
inline constexpr std::size_t kDDFTextSize = 640;
// Size of the text block in an older "DDF" file.
inline constexpr std::size_t kOldDDFTextSize = 128;
// The integers before the text block.
inline constexpr std::size_t kDDFObjectFixedSize = 32;

class CDDFObject {
 public:
  virtual ~CDDFObject() = default;
  CDDFObject() = default;
  CDDFObject(const CDDFObject&) = default;
  CDDFObject& operator=(const CDDFObject&) = default;

  // Size of the text block in the file this record is read from or written to.
  virtual std::size_t GetTextSize() const { return kDDFTextSize; }

  // The caption: the text block decoded from Windows-1252 up to its first NUL.
  std::wstring GetCaption() const;
  // Sets the text block from wide text (encoded as Windows-1252, NUL-padded). Answers false,
  // leaving the block unchanged, when the encoded text is longer than `limit` bytes.
  bool SetCaption(std::wstring_view caption, std::size_t limit = kDDFTextSize);

  bool Has(std::uint32_t flag) const { return (flags & flag) != 0; }
  bool IsTextField() const { return Has(DDF_TEXT) || Has(DDF_TEXT2); }
  bool IsSelectable() const { return Has(DDF_SELECT); }

  std::uint32_t id = 0;
  std::uint32_t reserved = 0;  // not interpreted
  std::uint32_t flags = 0;
  std::uint32_t color = 0;  // COLORREF 0x00BBGGRR
  std::int32_t left = 0;    // twips from the label's top-left corner
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  std::array<char, kDDFTextSize> text{};  // Windows-1252, NUL-padded
};

// A record of an older "DDF" file, whose text block is 128 bytes. Used only while reading and
// writing such files; the template keeps plain CDDFObject values with the rest zero.
class COldDDFObject final : public CDDFObject {
 public:
  std::size_t GetTextSize() const override { return kOldDDFTextSize; }
};

}  // namespace mirn
