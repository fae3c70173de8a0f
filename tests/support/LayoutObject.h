#pragma once
// A template object for the label view's tests.

#include "templates/CDDFObject.h"

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

}  // namespace mirn::test
