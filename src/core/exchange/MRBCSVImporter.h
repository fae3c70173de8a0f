#pragma once
// Import from a CSV file: each data line is an extension (id, type code, name, then the
// texts of the layout's selectable fields in id order), every text stored in the one
// format of the "CSV Import" settings.

#include <istream>
#include <string>
#include <vector>

#include "exchange/MRBCSVLine.h"
#include "exchange/MRBImporter.h"

namespace mirn {

class DDFLibrary;
class Profile;

// A data line of the last import that was skipped or not stored completely.
struct CsvLineNote {
  enum class Kind { kNoTypeCode, kUnknownLayout, kNoExtensionId, kNotStored, kIncomplete };
  long long line = 0;    // the file line the record starts on
  Kind kind = Kind::kNoTypeCode;
  std::wstring detail;   // the type code (unknown layout) or the id (not stored, incomplete)
};

// What the skipped lines of an import look like, to explain an import that stored nothing.
enum class CsvSeparatorHint { kNone, kSemicolons, kTabs };

class MRBCSVImporter final : public MRBImporter {
 public:
  // Reads lines from `in`: UTF-8 when it starts with a byte-order mark (which is passed
  // over here), Windows-1252 otherwise. The settings are read from `profile` each time an
  // import starts. Everything is borrowed.
  MRBCSVImporter(MRBBase& database, DDFLibrary& library, const Profile& profile, std::istream& in);

  CsvEncoding Encoding() const { return encoding_; }

  // The number of data lines from the stream's position; the stream is put back.
  long long CountRecords() override;
  long long Import(const ExtensionCallable& replace, const ExtensionCallable& progress) override;

  // Data lines of the last Import that were skipped: fewer than two tokens, or a type code
  // the library does not know.
  long long SkippedLines() const { return skipped_; }
  // The skipped and the incomplete lines of the last Import, in file order.
  const std::vector<CsvLineNote>& Notes() const { return notes_; }
  // Semicolons (or tabs) when every skipped line holds them and none holds a comma.
  CsvSeparatorHint SeparatorHint() const;

 private:
  void NoteSkipped(const CsvRecord& record, CsvLineNote::Kind kind, std::wstring detail);

  DDFLibrary* library_ = nullptr;
  const Profile* profile_ = nullptr;
  std::istream* in_ = nullptr;
  CsvEncoding encoding_ = CsvEncoding::kWindows1252;
  long long skipped_ = 0;
  std::vector<CsvLineNote> notes_;
  // Of the skipped lines: how many hold a comma, a semicolon, a tab.
  long long skippedWithComma_ = 0;
  long long skippedWithSemicolon_ = 0;
  long long skippedWithTab_ = 0;
};

}  // namespace mirn
