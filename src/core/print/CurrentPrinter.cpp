#include "print/CurrentPrinter.h"

#include <algorithm>

#include "platform/Clock.h"
#include "print/PrinterSettings.h"

namespace mirn {

void CurrentPrinter::SelectRememberedPrinter() {
  const std::wstring& remembered = store_.DefaultPrinter();
  if (remembered.empty()) return;
  const std::vector<std::wstring> installed = printers_.ListPrinters();
  if (std::find(installed.begin(), installed.end(), remembered) != installed.end()) Select(remembered);
}

std::optional<DeviceMode> CurrentPrinter::MakePrinterSetup(const std::wstring& name, bool applySaved) {
  std::optional<DeviceMode> mode = printers_.DefaultDeviceMode(name);
  if (!mode) return std::nullopt;
  if (applySaved) {
    if (const PrinterSettings* saved = store_.Find(name)) saved->ApplyTo(*mode);
  }
  return mode;
}

void CurrentPrinter::UsePrinter(const std::wstring& name, const DeviceMode& mode) {
  name_ = name;
  mode_ = mode;
  store_.Record(name, mode, clock_.Now());
}

bool CurrentPrinter::Select(const std::wstring& name) {
  const std::optional<DeviceMode> mode = MakePrinterSetup(name, true);
  if (!mode) return false;
  UsePrinter(name, *mode);
  return true;
}

std::optional<DeviceMode> CurrentPrinter::GetPrinterDefaults() {
  std::wstring name = name_;
  std::optional<DeviceMode> mode = mode_;
  if (name.empty()) {
    name = printers_.DefaultPrinter();
    if (name.empty()) {
      const std::vector<std::wstring> installed = printers_.ListPrinters();
      if (installed.empty()) return std::nullopt;
      name = installed.front();
    }
    mode = printers_.DefaultDeviceMode(name);
  }
  if (!mode) return std::nullopt;
  name_ = name;
  mode_ = store_.TakeDefaults(name, *mode, clock_.Now());
  return mode_;
}

}  // namespace mirn
