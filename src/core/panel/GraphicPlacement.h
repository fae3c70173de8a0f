#pragma once
// Where pictures go on a label: the slot a new picture takes, how much of a moved picture
// must stay on the label, the natural size of a picture at a zoom, and the name a linked
// picture is stored under relative to its database.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "panel/TwipsRect.h"
#include "platform/Canvas.h"

namespace mirn {

// So much of a picture (twips) always stays on the label after a move or a resize.
inline constexpr int kGraphicKeepOnLabel = 300;

// The slot of a new picture: one above the highest slot in use, 1 for none; empty when that
// would be beyond the last graphic slot (even if lower slots are free).
std::optional<int> NextGraphicSlot(const std::vector<int>& slotsInUse);

// `picture` moved back onto a label of `labelWidth` × `labelHeight` twips so that at least
// kGraphicKeepOnLabel twips of it lie on the label along each axis; its size is kept.
TwipsRect KeepGraphicOnLabel(const TwipsRect& picture, int labelWidth, int labelHeight);

// A picture's natural size in twips: its pixel size scaled by the zoom and taken from screen
// pixels to twips through the view's mapping.
struct TwipsSize {
  int width = 0;
  int height = 0;
  bool operator==(const TwipsSize&) const = default;
};
TwipsSize NaturalGraphicSize(int pixelWidth, int pixelHeight, int zoomPercent, const TwipsMapping& view);

// The stored rectangle of a picture record: a width or height of 0 stands for the natural one.
TwipsRect GraphicRectTwips(int left, int top, int width, int height, const TwipsSize& natural);

// The path of `picture` relative to the folder of `database` in the stored form (".\logo.png",
// "Logos\logo.png", "..\Logos\logo.png"), so that a database moved together with its
// pictures still finds them; the full path when the two share no root or the database has
// no folder (an untitled database).
std::wstring RelativeGraphicName(const std::filesystem::path& picture, const std::filesystem::path& database);

}  // namespace mirn
