#include "print/CPrintExtension.h"

#include "db/MRBBase.h"
#include "print/BlackTextCanvas.h"
#include "templates/CDDFTemplate.h"
#include "text/CRTFText.h"

namespace mirn {
namespace {

constexpr Color kLightPen = 0x808080;
// Pictures without a size of their own take their pixels as screen pixels (96 per inch).
constexpr int kPictureTwipsPerPixel = 1440 / 96;

}  // namespace

Pen PrintedShapePen(const CDDFObject& object) {
  return Pen{PenStyle::Solid, 0, object.Has(DDF_LIGHT) ? kLightPen : kBlack};
}

Brush PrintedShapeBrush(const CDDFObject& object, bool lightenFill) {
  Brush brush;
  brush.hollow = object.Has(DDF_HOLLOW);
  brush.color = lightenFill && object.Has(DDF_LIGHT) ? LightenColor(object.color) : object.color;
  return brush;
}

LabelOnPage::LabelOnPage(const PrintContext& context, const CDDFTemplate& layout, int position,
                         const PrinterAdjustment& adjustment)
    : context_(context) {
  const auto& slots = layout.GetSlots();
  const LabelSlot slot = position >= 0 && static_cast<size_t>(position) < slots.size() ? slots[position] : LabelSlot{};
  const bool portrait = context_.rotation == 0;
  const int shiftX = portrait ? adjustment.portraitX : adjustment.landscapeX;
  const int shiftY = portrait ? adjustment.portraitY : adjustment.landscapeY;
  const TwipsMapping device = TwipsMapping::ForDevice(context_.dpiX, context_.dpiY);
  originX_ = device.ToDeviceX(slot.x) + device.ToDeviceX(shiftX);
  originY_ = device.ToDeviceY(slot.y) + device.ToDeviceY(shiftY);
  // Device units start at the printable area. A driver that turns landscape pages by 270
  // degrees puts the unprintable right and bottom margins where the left and top would be.
  if (context_.rotation == 270) {
    originX_ -= context_.marginRight;
    originY_ -= context_.marginBottom;
  } else {
    originX_ -= context_.offsetLeft;
    originY_ -= context_.offsetTop;
  }
  mapping_ = TwipsMapping::ForDevice(context_.dpiX, context_.dpiY, originX_, originY_);
}

DeviceRect LabelOnPage::ObjectRect(std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom) const {
  const DeviceRect r = mapping_.ToDevice(left, top, right, bottom);
  if (context_.rotation != 270) return r;
  // Half a turn within the printable area.
  return {context_.horzRes - r.right, context_.vertRes - r.bottom, context_.horzRes - r.left,
          context_.vertRes - r.top};
}

CPrintExtension::CPrintExtension(const PrintContext& context, const CDDFTemplate& layout, MRBBase& database,
                                 std::wstring extensionId, int position, const PrinterAdjustment& adjustment,
                                 const FieldTextSource* codes, const std::vector<LabelGraphic>* graphics)
    : context_(context),
      layout_(layout),
      database_(database),
      extensionId_(std::move(extensionId)),
      position_(position),
      adjustment_(adjustment),
      codes_(codes),
      graphics_(graphics),
      page_(context, layout, position, adjustment) {}

void CPrintExtension::Print(Canvas& target) {
  std::unique_ptr<BlackTextCanvas> black;
  if (context_.monochrome) black = std::make_unique<BlackTextCanvas>(target);
  Canvas& canvas = black ? static_cast<Canvas&>(*black) : target;
  const std::wstring name = database_.GetName(extensionId_);
  for (const CDDFObject& object : layout_.GetObjects()) {
    if (object.Has(DDF_PRINT)) DrawObject(canvas, object, name);
  }
  DrawGraphics(canvas);
}

void CPrintExtension::DrawObject(Canvas& canvas, const CDDFObject& object, const std::wstring& name) {
  const DeviceRect rect = ObjectRect(object.left, object.top, object.right, object.bottom);
  if (object.IsTextField()) {
    std::wstring stored = database_.GetField(extensionId_, static_cast<int>(object.id));
    if (stored.empty()) return;
    const CRTFText text(std::move(stored), extensionId_, name, codes_);
    // Paper is white: the text's layer must not print the field's screen colour.
    canvas.SetBackgroundColor(kWhite);
    text.Draw(canvas, rect.Inflated(-1), 100);
  } else if (object.Has(DDF_CAPTION)) {
    const std::wstring caption = object.GetCaption();
    if (caption.empty()) return;
    canvas.SetFont(CaptionFont(100, canvas.DpiY()));
    // Captions print in the object's colour, as the label view shows them.
    canvas.SetTextColor(object.color);
    canvas.DrawText(rect.left, rect.top + canvas.GetFontMetrics().ascent, caption);
  } else if (object.Has(DDF_RECT)) {
    canvas.DrawRectangle(rect, PrintedShapePen(object), PrintedShapeBrush(object, true));
  } else if (object.Has(DDF_ROUNDRECT)) {
    const int corner = rect.Width() / 5;
    canvas.DrawRoundRect(rect, corner, corner, PrintedShapePen(object), PrintedShapeBrush(object, false));
  } else if (object.Has(DDF_ELLIPSE)) {
    canvas.DrawEllipse(rect, PrintedShapePen(object), PrintedShapeBrush(object, false));
  } else if (object.Has(DDF_DOTTED)) {
    canvas.DrawFocusRect(rect);
  }
}

void CPrintExtension::DrawGraphics(Canvas& canvas) {
  if (!graphics_) return;
  for (const LabelGraphic& graphic : *graphics_) {
    if (!graphic.picture) continue;  // a picture that cannot be loaded leaves its place empty on paper
    const int width = graphic.width != 0 ? graphic.width : graphic.picture->Width() * kPictureTwipsPerPixel;
    const int height = graphic.height != 0 ? graphic.height : graphic.picture->Height() * kPictureTwipsPerPixel;
    canvas.DrawPicture(*graphic.picture,
                       ObjectRect(graphic.left, graphic.top, graphic.left + width, graphic.top + height));
  }
}

}  // namespace mirn
