#pragma once
// Per-printer shifts of the printout, in twips, kept in "Precise Printer Adjustments.xml".
// Older installations kept them in the settings store; they are carried over once, the first
// time a printer's shifts are read.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/XmlFile.h"

namespace mirn {

class Profile;
class KnownFolders;

struct PrinterAdjustment {
  std::wstring name;  // the printer's device name; "None" when there is no printer
  // Positive x moves the printout right, positive y toward the bottom edge of the paper.
  std::int32_t portraitX = 0;
  std::int32_t portraitY = 0;
  std::int32_t landscapeX = 0;
  std::int32_t landscapeY = 0;

  bool IsZero() const { return portraitX == 0 && portraitY == 0 && landscapeX == 0 && landscapeY == 0; }
  bool operator==(const PrinterAdjustment&) const = default;
};

// The name adjustments are filed under: the device name, or "None" for no printer.
std::wstring AdjustmentPrinterName(std::wstring_view deviceName);

// <local application data>/Mirn/Precise Printer Adjustments.xml
std::filesystem::path PrinterAdjustmentsPath(const KnownFolders& folders);

class PrinterAdjustmentStore {
 public:
  PrinterAdjustmentStore(std::filesystem::path file, Profile& profile)
      : file_(std::move(file)), profile_(profile) {}

  // The printer's adjustment from the file; migrated first from the settings store when the
  // file has no entry for it and the printer was never carried over. A missing or unreadable
  // file reads as no entry; a missing or malformed value as 0.
  PrinterAdjustment Load(std::wstring_view printerName);
  // Writes the printer's element, keeping everything else in the file; false when the file
  // could not be read or written, or would not hold the values. A damaged file is kept as a
  // dated backup beside it (told through the notice handler) and its readable records are
  // carried over.
  bool Save(const PrinterAdjustment& adjustment, std::error_code* error = nullptr);

  const std::filesystem::path& File() const { return file_; }
  void SetNoticeHandler(FileNoticeHandler notice) { notice_ = std::move(notice); }

 private:
  std::filesystem::path file_;
  Profile& profile_;
  FileNoticeHandler notice_;
};

}  // namespace mirn
