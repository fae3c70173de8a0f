#pragma once
// The one character format that CSV import gives every imported field, kept in the
// settings section "CSV Import" and read again each time an import starts.

#include <string>

#include "text/TextFormat.h"

namespace mirn {

class Profile;

struct CsvImportSettings {
  std::wstring face = L"Arial";  // at most 31 characters
  int pointSize = 8;             // whole points; the text format stores half-points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  unsigned color = 0;  // COLORREF, red in the low byte
  int alignment = 1;   // 0 left, 1 centred, 2 right, 3 justified

  static constexpr size_t kMaxFaceLength = 31;

  // Every key missing from the profile takes its default.
  static CsvImportSettings Read(const Profile& profile);
  // Writes all eight keys; false when the store refused one of them.
  bool Write(Profile& profile) const;

  // What the settings dialog shows: face, a blank, the size and " pt", then " Bold",
  // " Italic", " Underline", " StrikeOut" for the flags that are set.
  std::wstring Describe() const;

  // The character format every imported field is written in: the face cut to the
  // format's limit, the size in half-points, an alignment outside 0-3 centred.
  TextFormat ToTextFormat() const;
  // The settings of a character format (a style string given for one run): the size in
  // whole points, half-points dropped.
  static CsvImportSettings FromTextFormat(const TextFormat& format);

  bool operator==(const CsvImportSettings&) const = default;
};

}  // namespace mirn
