#include "panel/FieldSelection.h"

#include <algorithm>

#include "templates/CDDFTemplate.h"

namespace mirn {
namespace {

bool Holds(const FieldIds& ids, std::uint32_t id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

std::vector<const CDDFObject*> SelectableInIdOrder(const CDDFTemplate& layout) {
  std::vector<const CDDFObject*> fields;
  for (const CDDFObject& o : layout.GetObjects()) {
    if (o.IsSelectable()) fields.push_back(&o);
  }
  std::stable_sort(fields.begin(), fields.end(),
                   [](const CDDFObject* a, const CDDFObject* b) { return a->id < b->id; });
  return fields;
}

}  // namespace

std::optional<std::uint32_t> HitField(const CDDFTemplate& layout, std::int32_t x, std::int32_t y) {
  for (const CDDFObject* o : SelectableInIdOrder(layout)) {
    if (x >= o->left && x < o->right && y >= o->top && y < o->bottom) return o->id;
  }
  return std::nullopt;
}

FieldIds ClickSelection(const CDDFTemplate& layout, const FieldIds& selection,
                        std::optional<std::uint32_t> hit, unsigned modifiers) {
  FieldIds result = selection;
  if (modifiers == 0) {
    if (hit) result = {*hit};
  } else if (modifiers == kModCtrl) {
    if (hit) {
      auto it = std::find(result.begin(), result.end(), *hit);
      if (it != result.end()) result.erase(it);
      else result.push_back(*hit);
    }
  } else if (modifiers == kModShift) {
    if (hit && !selection.empty()) {
      const std::uint32_t lo = std::min(*hit, selection.back());
      const std::uint32_t hi = std::max(*hit, selection.back());
      for (const CDDFObject* o : SelectableInIdOrder(layout)) {
        if (o->id >= lo && o->id <= hi && !Holds(result, o->id)) result.push_back(o->id);
      }
    }
  }
  return result;
}

std::optional<FieldIds> BandSelection(const CDDFTemplate& layout, const FieldIds& selection,
                                      const TwipsRect& band, unsigned modifiers) {
  const TwipsRect b{std::min(band.left, band.right), std::min(band.top, band.bottom),
                    std::max(band.left, band.right), std::max(band.top, band.bottom)};
  FieldIds met;
  for (const CDDFObject* o : SelectableInIdOrder(layout)) {
    if (o->left < b.right && b.left < o->right && o->top < b.bottom && b.top < o->bottom) met.push_back(o->id);
  }
  if (met.empty()) return std::nullopt;
  FieldIds result = (modifiers & (kModShift | kModCtrl)) != 0 ? selection : FieldIds{};
  for (std::uint32_t id : met) {
    if (!Holds(result, id)) result.push_back(id);
  }
  return result;
}

FieldIds ChangedFrames(const FieldIds& before, const FieldIds& after) {
  FieldIds changed;
  for (std::uint32_t id : before) {
    if (!Holds(after, id) && !Holds(changed, id)) changed.push_back(id);
  }
  for (std::uint32_t id : after) {
    if (!Holds(before, id) && !Holds(changed, id)) changed.push_back(id);
  }
  return changed;
}

}  // namespace mirn
