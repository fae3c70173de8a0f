#pragma once
// Where the last job on each layout's sheet ended, per layout and printer, so that the next
// run of that layout on that printer can start on the first unused label of a half-used
// sheet instead of wasting it. Kept in "Partial Sheets.xml" in the per-user local data folder:
//
//   <sheets>
//     <sheet layout="HD40" printer="Office laser" next="4"/>
//   </sheets>
//
// `next` is the 0-based first unused slot. A used-up sheet leaves no entry. The file is read
// at each question and rewritten whole at each change; anything else in it is kept.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/XmlFile.h"

namespace mirn {

class KnownFolders;

// <local application data>/Mirn/Partial Sheets.xml
std::filesystem::path PartialSheetsPath(const KnownFolders& folders);

// The first unused slot after `labels` labels were laid from `startSlot` on a sheet of
// `slotsPerSheet` slots; 0 when the last sheet was filled to its end.
int SlotAfterRun(long long labels, int slotsPerSheet, int startSlot);

class PartialSheetStore {
 public:
  explicit PartialSheetStore(std::filesystem::path file) : file_(std::move(file)) {}

  // The 0-based slot the next run of the layout on the printer should start at: 0 when
  // nothing is remembered, the file cannot be read, or the remembered slot does not lie on a
  // sheet of `slotsPerSheet` slots (the layout changed since).
  int NextSlot(std::wstring_view layout, std::wstring_view printer, int slotsPerSheet) const;
  // Remembers that the next run should start at `nextSlot`; 0 forgets the entry. False when
  // the file could not be read or written (its old content then stays). A damaged file is
  // kept as a dated backup beside it (told through the notice handler) and its readable
  // records are carried over.
  bool Record(std::wstring_view layout, std::wstring_view printer, int nextSlot);

  const std::filesystem::path& File() const { return file_; }
  void SetNoticeHandler(FileNoticeHandler notice) { notice_ = std::move(notice); }

 private:
  std::filesystem::path file_;
  FileNoticeHandler notice_;
};

}  // namespace mirn
