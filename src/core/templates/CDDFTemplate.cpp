#include "templates/CDDFTemplate.h"

#include <algorithm>

namespace mirn {
namespace {

bool IdLess(const CDDFObject& object, std::uint32_t id) { return object.id < id; }

}  // namespace

const CDDFObject* CDDFTemplate::FindObject(std::uint32_t id) const {
  const auto it = std::lower_bound(objects.begin(), objects.end(), id, IdLess);
  return it != objects.end() && it->id == id ? &*it : nullptr;
}

const CDDFObject* CDDFTemplate::NextField(std::uint32_t after) const {
  for (const auto& object : objects)
    if (object.IsSelectable() && object.id > after) return &object;
  return FirstField();
}

const CDDFObject* CDDFTemplate::PreviousField(std::uint32_t before) const {
  for (auto it = objects.rbegin(); it != objects.rend(); ++it)
    if (it->IsSelectable() && it->id < before) return &*it;
  for (auto it = objects.rbegin(); it != objects.rend(); ++it)
    if (it->IsSelectable()) return &*it;
  return nullptr;
}

const CDDFObject* CDDFTemplate::FirstField() const {
  for (const auto& object : objects)
    if (object.IsSelectable()) return &object;
  return nullptr;
}

std::size_t CDDFTemplate::FieldCount() const {
  return static_cast<std::size_t>(
      std::count_if(objects.begin(), objects.end(), [](const auto& o) { return o.IsSelectable(); }));
}

void CDDFTemplate::SortObjects() {
  const auto byId = [](const CDDFObject& a, const CDDFObject& b) { return a.id < b.id; };
  // Layout files are nearly always written in id order; objects are large to move.
  if (!std::is_sorted(objects.begin(), objects.end(), byId)) std::stable_sort(objects.begin(), objects.end(), byId);
}

}  // namespace mirn
