#pragma once
// The paper and quality choices a user made for one printer, remembered between runs, and
// the store of them in "Last-Used Printer Settings.xml".

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/PrinterSystem.h"
#include "util/DateTime.h"

namespace mirn {

class KnownFolders;

// The device-mode fields a printer's settings carry.
inline constexpr std::uint32_t kRememberedFields =
    kDmPaperSize | kDmPaperLength | kDmPaperWidth | kDmDefaultSource | kDmPrintQuality;

struct PrinterSettings {
  std::uint32_t dmFields = 0;  // which of the values below are set (the kDm… bits)
  std::int16_t dmPaperSize = 0;
  std::int16_t dmPaperLength = 0;    // tenths of a millimetre
  std::int16_t dmPaperWidth = 0;     // tenths of a millimetre
  std::int16_t dmDefaultSource = 0;
  std::int16_t dmPrintQuality = 0;
  std::optional<LocalDateTime> lastUsed;  // empty when unknown

  bool operator==(const PrinterSettings&) const = default;

  // Copies the remembered fields that `mode` has set; lastUsed becomes `now`.
  static PrinterSettings Record(const DeviceMode& mode, const LocalDateTime& now);
  // Writes the values set here into `mode` and marks them set there; the other fields of
  // the mode stay as the driver gave them.
  void ApplyTo(DeviceMode& mode) const;
};

// <local application data>/Mirn/Last-Used Printer Settings.xml
std::filesystem::path PrinterSettingsPath(const KnownFolders& folders);

class PrinterSettingsStore {
 public:
  // Entries last used longer ago than this are forgotten when the file is read.
  static constexpr int kKeepDays = 60;

  // Reads the file. An unreadable file, one that does not parse, or one whose "versions"
  // do not list "100" leaves the store empty.
  void Load(const std::filesystem::path& file, const LocalDateTime& now);
  // Writes the whole store, with `currentPrinter` as the default; false when it could not.
  bool Save(const std::filesystem::path& file, const std::wstring& currentPrinter) const;

  const std::map<std::wstring, PrinterSettings>& Entries() const { return entries_; }
  const PrinterSettings* Find(const std::wstring& printer) const;
  // The printer that was current when the file was last written.
  const std::wstring& DefaultPrinter() const { return default_; }
  const std::wstring& LastRecorded() const { return lastRecorded_; }

  // Remembers the settings of `mode` for `printer`, last used `now`.
  void Record(const std::wstring& printer, const DeviceMode& mode, const LocalDateTime& now);
  // The mode for `printer` when it becomes the program's printer: the saved settings are
  // applied when the printer differs from the one last recorded; the result is recorded.
  DeviceMode TakeDefaults(const std::wstring& printer, DeviceMode mode, const LocalDateTime& now);

 private:
  std::map<std::wstring, PrinterSettings> entries_;
  std::wstring default_;
  std::wstring lastRecorded_;
};

// Seconds from local time a to local time b (negative when b is earlier), by the calendar.
long long SecondsBetween(const LocalDateTime& a, const LocalDateTime& b);

}  // namespace mirn
