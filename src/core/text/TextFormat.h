#pragma once
// One character format of a field's text, and the operations on single formats: the stored
// text writer, the style string, the description shown in dialogs.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Canvas.h"

namespace mirn {

class Profile;

enum class Alignment : std::int32_t { Left = 0, Center = 1, Right = 2, Justify = 3 };

// Face names are kept to this many characters; longer names are cut.
constexpr std::size_t kMaxFaceLength = 31;

struct TextFormat {
  std::wstring face;  // empty: font 0 of the font table, until a parse is finished
  std::int32_t size = 24;  // half-points
  std::int32_t bold = 0;
  std::int32_t italic = 0;
  std::int32_t underline = 0;
  std::int32_t strikeout = 0;
  Color color = 0;
  Alignment alignment = Alignment::Left;

  bool operator==(const TextFormat&) const = default;
};

// A face cut to kMaxFaceLength characters.
std::wstring ClampFace(std::wstring_view face);

// The format a text object reports when it has no formats at all: Arial 12 pt, left.
TextFormat EmptyTextFormat();

// The built-in text style outside a field: Arial 9 pt, black, centred; under a Japanese
// locale the Japanese system font at 10 pt.
TextFormat DefaultStyleFormat();

// The stored text of one format and a plain text: a small RTF document without line breaks
// ({\rtf1\ansi{\fonttbl{\f0\ftnil Arial;}}{\colortbl\red0\green0\blue0;}\f0\cf0\fs24\ql A}).
std::wstring WriteRtf(const TextFormat& format, std::wstring_view text);

// The style string: "face,points,colour,bold,italic,underline,strikeout,alignment letter".
std::wstring FormatStyleString(const TextFormat& format);
// Reads a style string over the built-in defaults; a text without a comma gives the defaults.
TextFormat ParseStyleString(std::wstring_view text);

// "Arial Bold 12pt": the face, the set effects and the size in whole points.
std::wstring DescribeFormat(const TextFormat& format);

// The "Default Font" preference read from the profile once and kept; `reread` reads it
// again (after the preferences were saved).
TextFormat GetDefaultFont(const Profile& profile, bool reread = false);

}  // namespace mirn
