#pragma once
// The selection rules of the label view: which field a point hits, what a click with or
// without modifiers and a rubber band make of the selection, and the tab order. Points and
// rectangles are twips on the label; selections are object ids in the order they were added
// (the last one is the current field).

#include <cstdint>
#include <optional>
#include <vector>

#include "panel/TwipsRect.h"

namespace mirn {

class CDDFTemplate;

using FieldIds = std::vector<std::uint32_t>;

// Modifier keys held with a click or key.
inline constexpr unsigned kModShift = 1;
inline constexpr unsigned kModCtrl = 2;

// The first selectable object in id order whose rectangle holds the point (hidden fields
// too: they cannot be seen but can be hit).
std::optional<std::uint32_t> HitField(const CDDFTemplate& layout, std::int32_t x, std::int32_t y);

// The selection after a click: no modifier makes a hit field the only one (a miss keeps the
// selection); Ctrl toggles the hit field; Shift adds the selectable fields between the hit
// and the current field, in id order, when the selection is not empty; other combinations
// change nothing.
FieldIds ClickSelection(const CDDFTemplate& layout, const FieldIds& selection,
                        std::optional<std::uint32_t> hit, unsigned modifiers);

// The selection after a rubber band: nothing when it meets no selectable field; otherwise the
// fields it meets, added to the selection when Shift or Ctrl is held, replacing it otherwise.
std::optional<FieldIds> BandSelection(const CDDFTemplate& layout, const FieldIds& selection,
                                      const TwipsRect& band, unsigned modifiers);

// The ids whose selection frame differs between two selections.
FieldIds ChangedFrames(const FieldIds& before, const FieldIds& after);

}  // namespace mirn
