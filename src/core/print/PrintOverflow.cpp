#include "print/PrintOverflow.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <numeric>

#include "db/MRBBase.h"
#include "panel/FieldOverflow.h"
#include "templates/CDDFTemplate.h"
#include "templates/DDFLibrary.h"
#include "text/CRTFText.h"
#include "text/MRBFieldTextSource.h"

namespace mirn {
namespace {

// The positions of `ids` that hold an ID for the first time, in order. Positions sorted by
// ID take four bytes per label where a set of the IDs took a copy of each: a job of 100,000
// labels measured with megabytes less at its peak.
std::vector<std::uint32_t> FirstOccurrences(const std::vector<std::wstring>& ids) {
  std::vector<std::uint32_t> order(ids.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(), [&ids](std::uint32_t a, std::uint32_t b) { return ids[a] < ids[b]; });
  const auto same = [&ids](std::uint32_t a, std::uint32_t b) { return ids[a] == ids[b]; };
  order.erase(std::unique(order.begin(), order.end(), same), order.end());
  std::sort(order.begin(), order.end());
  return order;
}

}  // namespace

std::vector<OverflowingField> FindOverflowingFields(const std::vector<std::wstring>& ids, MRBBase& database,
                                                    DDFLibrary& library, Canvas& canvas) {
  std::vector<OverflowingField> found;
  const MRBFieldTextSource codes(database);
  const TwipsMapping mapping = TwipsMapping::ForDevice(canvas.DpiX(), canvas.DpiY());
  std::map<std::wstring, std::shared_ptr<const CDDFTemplate>> layouts;
  for (const std::uint32_t position : FirstOccurrences(ids)) {
    const std::wstring& id = ids[position];
    std::wstring type;
    std::wstring name;
    if (database.GetExtension(id, type, name) != db::kOk) continue;
    auto layout = layouts.find(type);
    if (layout == layouts.end()) {
      // An unreadable layout is reported when printing.
      layout = layouts.emplace(type, library.FindTemplate(type)).first;
    }
    if (!layout->second) continue;
    for (const CDDFObject& object : layout->second->GetObjects()) {
      if (!object.Has(DDF_PRINT) || !object.IsTextField()) continue;
      std::wstring stored = database.GetField(id, static_cast<int>(object.id));
      if (stored.empty()) continue;
      const CRTFText text(std::move(stored), id, name, &codes);
      const FieldFit fit = MeasureFieldFit(text, object, canvas);
      if (!fit.Overflows()) continue;
      OverflowingField field;
      field.id = id;
      field.typeCode = type;
      field.field = object.id;
      field.text = text.GetDisplayText();
      if (fit.tooWide) field.tooWide = mapping.ToTwipsWidth(fit.textWidth - fit.fieldWidth);
      if (fit.tooTall) field.tooTall = mapping.ToTwipsHeight(fit.textHeight - fit.fieldHeight);
      found.push_back(std::move(field));
    }
  }
  return found;
}

}  // namespace mirn
