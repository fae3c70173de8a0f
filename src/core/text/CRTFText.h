#pragma once
// A field's text object: turns a stored text (the RTF subset this program writes, foreign
// RTF, or plain text) into a display text with the codes expanded, one format per
// character, and the tables those formats came from; writes a stored text back; measures and
// draws the text in a field rectangle.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "text/TextFormat.h"

namespace mirn {

class FieldTextSource;

// The size of a measured text block, device units.
struct TextBlockSize {
  int width = 0;   // the widest line
  int height = 0;  // all lines together
};

class CRTFText {
 public:
  CRTFText() = default;
  // `source` is the database the codes read from; it may be null (then names of other
  // extensions and field inputs expand to nothing) and must outlive the object.
  explicit CRTFText(std::wstring storedText, const FieldTextSource* source = nullptr);
  CRTFText(std::wstring storedText, std::wstring extensionId, std::wstring extensionName,
           const FieldTextSource* source = nullptr);

  // Takes a new stored text and parses it again.
  void SetText(std::wstring storedText);
  // The same with a new extension ID and name.
  void SetText(std::wstring storedText, std::wstring extensionId, std::wstring extensionName);

  // The format of the first display character; for an empty display text the last format
  // of the table; with no formats at all Arial 12 pt left.
  TextFormat GetFirstFormat() const;
  const std::wstring& GetDisplayText() const { return display_; }
  // The display text with each line feed written as carriage return plus line feed.
  std::wstring GetDisplayTextCrLf() const;
  // The plain text before the codes were expanded (what is written back).
  const std::wstring& GetUnexpandedText() const { return unexpanded_; }
  const std::wstring& GetSourceText() const { return sourceText_; }
  const std::wstring& GetExtensionId() const { return extensionId_; }
  const std::wstring& GetExtensionName() const { return extensionName_; }
  // The stored text of this field as the program writes it: the first format and the
  // unexpanded text.
  std::wstring ToRtf() const;

  const std::vector<std::uint16_t>& GetCharFormats() const { return charFormats_; }
  const std::vector<TextFormat>& GetFormats() const { return formats_; }
  const std::map<std::uint16_t, std::wstring>& GetFontTable() const { return fonts_; }
  const std::vector<Color>& GetColorTable() const { return colors_; }

  // The font a format is drawn in at a zoom on a device of `dpiY` dots per inch.
  static FontSpec FontFor(const TextFormat& format, int zoomPercent, int dpiY);
  // Size of the text block at a zoom.
  TextBlockSize Measure(Canvas& canvas, int zoomPercent) const;
  // Draws the text into the rectangle at a zoom: through an off-screen layer filled with the
  // canvas's background colour, centred vertically, each line aligned by its first character.
  void Draw(Canvas& canvas, const DeviceRect& rect, int zoomPercent) const;

 private:
  friend class RtfParser;
  friend class CodeExpander;
  void Parse();

  std::wstring sourceText_;
  std::wstring extensionId_;
  std::wstring extensionName_;
  const FieldTextSource* source_ = nullptr;
  int depth_ = 0;  // nesting of field input codes: a field parsed for another field's code

  std::wstring display_;
  std::wstring unexpanded_;
  std::vector<std::uint16_t> charFormats_;
  std::vector<TextFormat> formats_;
  std::map<std::uint16_t, std::wstring> fonts_;
  std::vector<Color> colors_;
};

}  // namespace mirn
