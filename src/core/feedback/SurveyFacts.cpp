#include "feedback/SurveyFacts.h"

#include "app/ProgramInfo.h"
#include "platform/Clock.h"
#include "platform/MachineFacts.h"
#include "platform/OsRelease.h"
#include "print/PrinterSettings.h"

namespace mirn {

SurveyFacts GatherSurveyFacts(const KnownFolders& folders, const Clock& clock,
                              std::vector<std::wstring> printerNames) {
  SurveyFacts facts;
  facts.osCaption = OperatingSystemCaption();
  facts.cpuBrand = CpuBrandString();
  facts.processorCount = LogicalProcessorCount();
  facts.appVersion = ProductVersion();
  PrinterSettingsStore store;
  store.Load(PrinterSettingsPath(folders), clock.Now());
  facts.currentPrinterName = store.DefaultPrinter();
  facts.printerNames = std::move(printerNames);
  return facts;
}

}  // namespace mirn
