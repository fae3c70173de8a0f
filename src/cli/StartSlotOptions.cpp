#include "cli/StartSlotOptions.h"

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "db/MRBBase.h"
#include "templates/DDFLibrary.h"
#include "util/Text.h"

namespace mirn::cli {

StartSlotOptions ParseStartSlots(const ParsedArgs& parsed) {
  StartSlotOptions options;
  for (const std::string& value : parsed.Values("start-slot")) {
    const size_t equals = value.find('=');
    const std::wstring type = equals == std::string::npos ? L"" : ToUpper(Trim(FromUtf8(value.substr(0, equals))));
    long long label = 0;
    if (!ParseInt(Trim(FromUtf8(equals == std::string::npos ? value : value.substr(equals + 1))), label) || label < 1) {
      throw UsageError("--start-slot takes N or TYPE=N, labels counted from 1, not '" + value + "'");
    }
    if (equals != std::string::npos && type.empty()) throw UsageError("--start-slot " + value + ": no layout type");
    if (type.empty()) {
      if (options.all) throw UsageError("--start-slot N is given twice; name the layout: --start-slot TYPE=N");
      options.all = label;
    } else if (!options.byType.emplace(type, label).second) {
      throw UsageError("--start-slot " + ToUtf8(type) + "= is given twice");
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
  auto choose = [&](const std::wstring& type, int slots, long long label, const std::string& option) {
    if (slots == 0) return;  // no layout: the run is skipped with its own message
    if (label > slots) {
      throw UsageError("--start-slot " + option + ": the layout " + ToUtf8(type) + " has " + std::to_string(slots) +
                       " label" + (slots == 1 ? "" : "s") + " per sheet");
    }
    chosen[type] = static_cast<int>(label - 1);
  };
  for (const auto& [type, label] : options.byType) {
    const auto found = slotsOf.find(type);
    if (found == slotsOf.end()) {
      throw UsageError("--start-slot " + ToUtf8(type) + "=" + std::to_string(label) +
                       ": none of the chosen extensions has the layout " + ToUtf8(type));
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
