#pragma once
// Shrink to fit: a field's text made smaller, in half points, until it fits its field at
// print resolution, measured as the overflow marks and the warning before printing measure
// it (MeasureFieldFit). Every run of the text keeps its size relative to the others.

#include <optional>
#include <string>

namespace mirn {

class Canvas;
class CDDFObject;
class FieldTextSource;

// The smallest size a text is shrunk to: 4 points.
inline constexpr int kShrinkMinimumHalfPoints = 8;

// The stored text with every font size lowered by `halfPoints`, none below `minimum` (a
// size already below it stays). A plain stored text is first written in the format it shows
// in (one format, RTF).
std::wstring LowerFontSizes(const std::wstring& stored, int halfPoints, int minimum = kShrinkMinimumHalfPoints);

struct ShrunkText {
  std::wstring stored;  // the text to store
  int halfPoints = 0;   // how far its sizes were lowered
  bool fits = false;    // false: not even at the smallest size; `stored` is that size
};

// The text lowered by as few half points as make it fit the field on the canvas (codes
// expanded with the extension's id and name); nothing when it fits already or is empty.
std::optional<ShrunkText> ShrinkToFit(const std::wstring& stored, const CDDFObject& field, Canvas& canvas,
                                      const std::wstring& extensionId = {}, const std::wstring& extensionName = {},
                                      const FieldTextSource* codes = nullptr);

}  // namespace mirn
