#pragma once
// Drawing one label as the label view shows it: the template's objects in id order with
// the extension's field texts, the selection frames, and the extension's pictures on top.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Canvas.h"

namespace mirn {

class CDDFTemplate;
class CDDFObject;
class LabelFieldTexts;

// One picture placed on the label: its rectangle in twips from the label's top-left corner
// (a width or height of 0 is the picture's natural size) and the loaded picture, absent when
// it could not be loaded.
struct LabelGraphic {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::shared_ptr<const Picture> picture;
};

struct LabelPaintOptions {
  int zoom = 100;  // percent
  // Only objects meeting this rectangle (device units) are drawn; captions always.
  std::optional<DeviceRect> update;
  // Frames around the selected fields, drawn while the view has the focus.
  bool showSelection = false;
  std::vector<std::uint32_t> selection;
  Color background = kWhite;  // what the window is filled with first
};

// Each channel c of a light object's colour becomes c + 128 when c < 127, else 255.
Color LightenColor(Color color);

// The label view's mapping of twips onto the canvas at a zoom.
TwipsMapping LabelMapping(const Canvas& canvas, int zoom);
// The label window's size in device units.
struct DeviceSize {
  int width = 0;
  int height = 0;
  bool operator==(const DeviceSize&) const = default;
};
DeviceSize LabelWindowSize(const CDDFTemplate& layout, const TwipsMapping& mapping);

// The caption font: Arial at 8 points scaled by the zoom.
FontSpec CaptionFont(int zoom, int dpiY);

// The device rectangle of a picture; a zero width or height takes the picture's natural
// size (its pixels scaled by the zoom, as screen pixels of the canvas).
DeviceRect GraphicDeviceRect(const LabelGraphic& graphic, const TwipsMapping& mapping, int zoom);

// Paints the label at the mapping's origin.
void PaintLabel(Canvas& canvas, const CDDFTemplate& layout, LabelFieldTexts& texts,
                const std::vector<LabelGraphic>& graphics, const LabelPaintOptions& options);

// One picture: white, then the picture stretched over it; without a picture a frame and a
// cross from corner to corner.
void PaintGraphic(Canvas& canvas, const DeviceRect& rect, const Picture* picture);

}  // namespace mirn
