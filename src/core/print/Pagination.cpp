#include "print/Pagination.h"

#include <algorithm>
#include <map>

namespace mirn {

std::vector<PrintRun> RunsByType(std::map<std::wstring, std::vector<std::wstring>> byType) {
  std::vector<PrintRun> runs;
  for (auto& [type, ids] : byType) {
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    runs.push_back({type, std::move(ids)});
  }
  return runs;
}

std::vector<PrintRun> SplitIntoRuns(std::vector<ExtensionToPrint>&& extensions) {
  std::map<std::wstring, std::vector<std::wstring>> byType;
  for (ExtensionToPrint& e : extensions) byType[e.typeCode].push_back(std::move(e.id));
  extensions.clear();
  extensions.shrink_to_fit();
  return RunsByType(std::move(byType));
}

std::vector<PrintRun> SplitIntoRuns(const std::vector<ExtensionToPrint>& extensions) {
  std::map<std::wstring, std::vector<std::wstring>> byType;
  for (const ExtensionToPrint& e : extensions) byType[e.typeCode].push_back(e.id);
  return RunsByType(std::move(byType));
}

std::vector<LabelPlacement> PlaceLabels(const std::vector<std::wstring>& ids, int copies,
                                        int slotsPerSheet, int startSlot) {
  std::vector<LabelPlacement> placements;
  placements.reserve(ids.size() * static_cast<size_t>(std::max(1, copies)));
  ForEachPlacement(ids, copies, slotsPerSheet, startSlot, [&](const std::wstring& id, int copy, int slot, int sheet) {
    placements.push_back({id, copy, slot, sheet});
    return true;
  });
  return placements;
}

bool ForEachPlacement(const std::vector<std::wstring>& ids, int copies, int slotsPerSheet, int startSlot,
                      const std::function<bool(const std::wstring& id, int copy, int slot, int sheet)>& place) {
  const int slots = std::max(1, slotsPerSheet);
  int slot = startSlot >= 0 && startSlot < slots ? startSlot : 0;
  int sheet = 0;
  for (const std::wstring& id : ids) {
    for (int copy = 0; copy < std::max(1, copies); ++copy) {
      if (!place(id, copy, slot, sheet)) return false;
      if (++slot == slots) {
        slot = 0;
        ++sheet;
      }
    }
  }
  return true;
}

long long SheetsRequired(long long labels, int copies, int slotsPerSheet, int startSlot) {
  const long long slots = std::max(1, slotsPerSheet);
  const long long start = startSlot >= 0 && startSlot < slots ? startSlot : 0;
  const long long used = labels * std::max(1, copies) + start;
  return (used + slots - 1) / slots;
}

}  // namespace mirn
