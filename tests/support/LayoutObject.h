#pragma once
// Template objects and small layouts for tests.

#include <string>

#include "templates/CDDFObject.h"
#include "templates/CDDFTemplate.h"

namespace mirn::test {

inline CDDFObject LayoutObject(std::uint32_t id, std::uint32_t flags, int left, int top, int right, int bottom,
                               std::uint32_t color = 0xFFFFFF) {
  CDDFObject o;
  o.id = id;
  o.flags = flags;
  o.left = left;
  o.top = top;
  o.right = right;
  o.bottom = bottom;
  o.color = color;
  return o;
}

// A layout of group "G" in file version 270 whose `slots` labels stand one under the other.
inline CDDFTemplate StackedLayout(const std::wstring& typeCode, int labelWidth, int labelHeight, int slots,
                                  bool landscape = false) {
  CDDFTemplate t;
  t.header = {.version = L"270",
              .reservedText = {},
              .groupName = L"G",
              .typeCode = typeCode,
              .description = {},
              .landscape = landscape,
              .labelWidth = labelWidth,
              .labelHeight = labelHeight,
              .slotCount = static_cast<std::uint32_t>(slots),
              .objectCount = 0};
  for (int i = 0; i < slots; ++i) t.slots.push_back({0, i * labelHeight});
  return t;
}

}  // namespace mirn::test
