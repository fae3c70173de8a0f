#pragma once
// The program's own printer (kept apart from the system's default printer): which printer
// it is and the device mode it prints with, chosen and remembered through the printer
// settings store.

#include <optional>
#include <string>

#include "platform/PrinterSystem.h"

namespace mirn {

class Clock;
class PrinterSettingsStore;

class CurrentPrinter {
 public:
  // All three are borrowed and must outlive the object; the store is loaded already.
  CurrentPrinter(PrinterSystem& printers, PrinterSettingsStore& store, const Clock& clock)
      : printers_(printers), store_(store), clock_(clock) {}

  // The first printing-related use: the printer that was current when the settings were last
  // written becomes current again when it is still installed, with its saved settings.
  void SelectRememberedPrinter();

  // The printer's device mode: the driver's, with the saved settings applied when asked and
  // the store has some. Empty when the printer cannot be opened.
  std::optional<DeviceMode> MakePrinterSetup(const std::wstring& name, bool applySaved);
  // Makes the printer current and records its settings (last used now).
  void UsePrinter(const std::wstring& name, const DeviceMode& mode);
  // MakePrinterSetup with the saved settings, then UsePrinter; false (and the current
  // printer unchanged) when the printer cannot be opened.
  bool Select(const std::wstring& name);

  // The current printer and its mode for a job, or the system's default printer when none
  // was chosen yet; saved settings are applied when the printer differs from the one last
  // recorded. Empty when there is no printer at all.
  std::optional<DeviceMode> GetPrinterDefaults();
  // Empty when there is none.
  const std::wstring& GetCurrentPrinterName() const { return name_; }

 private:
  PrinterSystem& printers_;
  PrinterSettingsStore& store_;
  const Clock& clock_;
  std::wstring name_;
  std::optional<DeviceMode> mode_;
};

}  // namespace mirn
