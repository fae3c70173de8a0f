#pragma once
// Import from a CSV file: each data line is an extension (id, type code, name, then the
// texts of the layout's selectable fields in id order), every text stored in the one
// format of the "CSV Import" settings.

#include <istream>

#include "exchange/MRBImporter.h"

namespace mirn {

class DDFLibrary;
class Profile;

class MRBCSVImporter final : public MRBImporter {
 public:
  // Reads lines from `in` (Windows-1252 text); the settings are read from `profile` each
  // time an import starts. Everything is borrowed.
  MRBCSVImporter(MRBBase& database, DDFLibrary& library, const Profile& profile, std::istream& in);

  // The number of data lines from the stream's position; the stream is put back.
  long long CountRecords() override;
  long long Import(const ExtensionCallable& replace, const ExtensionCallable& progress) override;

  // Data lines of the last Import that were skipped: fewer than two tokens, or a type code
  // the library does not know.
  long long SkippedLines() const { return skipped_; }

 private:
  DDFLibrary* library_ = nullptr;
  const Profile* profile_ = nullptr;
  std::istream* in_ = nullptr;
  long long skipped_ = 0;
};

}  // namespace mirn
