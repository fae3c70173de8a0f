#include "exchange/MRBCSVImporter.h"

#include <map>
#include <memory>
#include <string>

#include "db/MRBBase.h"
#include "exchange/MRBCSVImportSettings.h"
#include "exchange/MRBCSVLine.h"
#include "templates/DDFException.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"
#include "util/Text.h"

namespace mirn {
MRBCSVImporter::MRBCSVImporter(MRBBase& database, DDFLibrary& library, const Profile& profile,
                               std::istream& in)
    : MRBImporter(database), library_(&library), profile_(&profile), in_(&in), encoding_(ReadCsvEncoding(in)) {}

long long MRBCSVImporter::CountRecords() { return CountCsvDataLines(*in_); }

void MRBCSVImporter::NoteSkipped(const CsvRecord& record, CsvLineNote::Kind kind, std::wstring detail) {
  ++skipped_;
  notes_.push_back({record.line, kind, std::move(detail)});
  const std::string_view text = record.text;
  if (text.find(',') != std::string_view::npos) ++skippedWithComma_;
  if (text.find(';') != std::string_view::npos) ++skippedWithSemicolon_;
  if (text.find('\t') != std::string_view::npos) ++skippedWithTab_;
}

CsvSeparatorHint MRBCSVImporter::SeparatorHint() const {
  if (skipped_ == 0 || skippedWithComma_ != 0) return CsvSeparatorHint::kNone;
  if (skippedWithSemicolon_ == skipped_) return CsvSeparatorHint::kSemicolons;
  if (skippedWithTab_ == skipped_) return CsvSeparatorHint::kTabs;
  return CsvSeparatorHint::kNone;
}

long long MRBCSVImporter::Import(const ExtensionCallable& replace, const ExtensionCallable& progress) {
  ResetIncomplete();
  skipped_ = 0;
  skippedWithComma_ = skippedWithSemicolon_ = skippedWithTab_ = 0;
  notes_.clear();
  const TextFormat format = CsvImportSettings::Read(*profile_).ToTextFormat();
  // The selectable field ids of each layout, in ascending id order; empty when the layout
  // file cannot be read.
  std::map<std::wstring, std::vector<unsigned>> fieldsOf;
  MRBBase& db = Database();
  long long count = 0;
  CsvRecordReader reader(*in_);
  CsvRecord record;
  while (reader.Next(record)) {
    std::vector<std::wstring> tokens = SplitCsvLine(record.text, encoding_);
    if (tokens.size() < 2) {  // a line without a comma
      NoteSkipped(record, CsvLineNote::Kind::kNoTypeCode, {});
      continue;
    }
    const std::wstring& id = tokens[0];
    // Trimmed as the database trims it, so that " abc" finds layout ABC.
    const std::wstring typeCode = ToUpper(Trim(tokens[1]));
    const std::wstring name = tokens.size() > 2 ? tokens[2] : std::wstring();
    if (!library_->Contains(typeCode)) {
      NoteSkipped(record, typeCode.empty() ? CsvLineNote::Kind::kNoTypeCode : CsvLineNote::Kind::kUnknownLayout,
                  typeCode);
      continue;
    }
    // The database trims the id; fields go under the id as stored.
    const std::wstring storedId = Trim(id);
    if (storedId.empty()) {
      NoteSkipped(record, CsvLineNote::Kind::kNoExtensionId, {});
      continue;
    }
    if (progress && !progress(id, name)) return count;
    if (replace && !replace(id, name)) continue;

    auto fields = fieldsOf.find(typeCode);
    if (fields == fieldsOf.end()) {
      std::vector<unsigned> ids;
      // An unreadable layout still creates the extension; its fields have nowhere to go.
      if (const std::shared_ptr<const CDDFTemplate> layout = library_->FindTemplate(typeCode)) {
        for (const CDDFObject& o : layout->GetObjects())
          if (o.IsSelectable()) ids.push_back(o.id);
      }
      fields = fieldsOf.emplace(typeCode, std::move(ids)).first;
    }

    if (!PutExtension(id, typeCode, name)) {
      // Nothing of this line is in the database: it is not counted as imported.
      NoteIncomplete();
      notes_.push_back({record.line, CsvLineNote::Kind::kNotStored, storedId});
      if (StoppedOnFullDisk()) return count;
      continue;
    }
    bool complete = true;
    for (size_t k = 0; k < fields->second.size() && 3 + k < tokens.size(); ++k) {
      complete = Written(db.InsertField(storedId, static_cast<int>(fields->second[k]), WriteRtf(format, tokens[3 + k]))) &&
                 complete;
    }
    if (!complete) {
      NoteIncomplete();
      notes_.push_back({record.line, CsvLineNote::Kind::kIncomplete, storedId});
    }
    ++count;
    if (StoppedOnFullDisk()) return count;
  }
  return count;
}

}  // namespace mirn
