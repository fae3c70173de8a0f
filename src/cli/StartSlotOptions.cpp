#include "cli/StartSlotOptions.h"

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "db/MRBBase.h"
#include "templates/DDFLibrary.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {

StartSlotOptions ParseStartSlots(const ParsedArgs& parsed) {
  StartSlotOptions options;
  for (const std::string& value : parsed.Values("start-slot")) {
    const size_t equals = value.find('=');
    const std::wstring type = equals == std::string::npos ? L"" : ToUpper(Trim(FromUtf8(value.substr(0, equals))));
    long long label = 0;
    if (!ParseInt(Trim(FromUtf8(equals == std::string::npos ? value : value.substr(equals + 1))), label) || label < 1) {
      throw UsageError(FormatString(TrUtf8("Cli", "--start-slot takes N or TYPE=N, labels counted from 1, not '%1'"), {value}));
    }
    if (equals != std::string::npos && type.empty()) {
      throw UsageError(FormatString(TrUtf8("Cli", "--start-slot %1: no layout type"), {value}));
    }
    if (type.empty()) {
      if (options.all) {
        throw UsageError(TrUtf8("Cli", "--start-slot N is given twice; name the layout: --start-slot TYPE=N"));
      }
      options.all = label;
    } else if (!options.byType.emplace(type, label).second) {
      throw UsageError(FormatString(TrUtf8("Cli", "--start-slot %1= is given twice"), {ToUtf8(type)}));
    }
  }
  return options;
}

std::map<std::wstring, int> ChosenStartSlots(const StartSlotOptions& options, const std::vector<std::wstring>& ids,
                                             MRBBase& db, DDFLibrary& library) {
  std::map<std::wstring, int> slotsOf;  // slots per sheet of each layout of the job
  for (const std::wstring& id : ids) {
    const std::wstring type = db.GetTypeCode(id);
    if (type.empty() || slotsOf.count(type)) continue;
    slotsOf[type] = library.SlotsPerSheet(type).value_or(0);  // 0: the job reports the missing layout
  }
  std::map<std::wstring, int> chosen;
  // (The count is not named "slots": the translation tools read that word as Qt's keyword.)
  auto choose = [&](const std::wstring& type, int perSheet, long long label, const std::string& option) {
    if (perSheet == 0) return;  // no layout: the run is skipped with its own message
    if (label > perSheet) {
      throw UsageError(FormatString(TrNUtf8("Cli", "--start-slot %1: the layout %2 has %n labels per sheet",
                                            "--start-slot %1: the layout %2 has %n label per sheet", perSheet),
                                    {option, ToUtf8(type)}));
    }
    chosen[type] = static_cast<int>(label - 1);
  };
  for (const auto& [type, label] : options.byType) {
    const auto found = slotsOf.find(type);
    if (found == slotsOf.end()) {
      throw UsageError(FormatString(TrUtf8("Cli", "--start-slot %1=%2: none of the chosen extensions has the layout %1"),
                                    {ToUtf8(type), std::to_string(label)}));
    }
    choose(type, found->second, label, ToUtf8(type) + "=" + std::to_string(label));
  }
  if (options.all) {
    for (const auto& [type, slots] : slotsOf) {
      if (!options.byType.count(type)) choose(type, slots, *options.all, std::to_string(*options.all));
    }
  }
  return chosen;
}

}  // namespace mirn::cli
