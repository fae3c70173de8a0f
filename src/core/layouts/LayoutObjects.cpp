#include "layouts/LayoutObjects.h"

#include "text/CRTFText.h"
#include "util/Catalog.h"

namespace mirn {
namespace {

// Bits that say how an object is drawn; the rest (printed, selectable, hidden, hollow,
// light, refresh) modify it.
constexpr std::uint32_t kDrawingBits =
    DDF_TEXT | DDF_TEXT2 | DDF_CAPTION | DDF_RECT | DDF_ELLIPSE | DDF_DOTTED | DDF_ROUNDRECT;

bool IsStoredRtf(const std::wstring& text) { return text.rfind(L"{\\rtf", 0) == 0; }

}  // namespace

std::uint32_t KindFlags(LayoutObjectKind kind) {
  switch (kind) {
    case LayoutObjectKind::TextField: return DDF_TEXT;
    case LayoutObjectKind::Caption: return DDF_CAPTION;
    case LayoutObjectKind::Frame: return DDF_RECT | DDF_HOLLOW;
    case LayoutObjectKind::Rectangle: return DDF_RECT;
    case LayoutObjectKind::RoundedRectangle: return DDF_ROUNDRECT;
    case LayoutObjectKind::Ellipse: return DDF_ELLIPSE;
    case LayoutObjectKind::DottedFrame: return DDF_DOTTED;
  }
  return 0;
}

LayoutObjectKind KindOf(const CDDFObject& o) {
  if (o.IsTextField()) return LayoutObjectKind::TextField;
  if (o.Has(DDF_CAPTION)) return LayoutObjectKind::Caption;
  if (o.Has(DDF_RECT)) return o.Has(DDF_HOLLOW) ? LayoutObjectKind::Frame : LayoutObjectKind::Rectangle;
  if (o.Has(DDF_ROUNDRECT)) return LayoutObjectKind::RoundedRectangle;
  if (o.Has(DDF_ELLIPSE)) return LayoutObjectKind::Ellipse;
  return LayoutObjectKind::DottedFrame;
}

std::wstring KindName(LayoutObjectKind kind) {
  switch (kind) {
    case LayoutObjectKind::TextField: return Tr("LayoutObjects", "Text field");
    case LayoutObjectKind::Caption: return Tr("LayoutObjects", "Caption");
    case LayoutObjectKind::Frame: return Tr("LayoutObjects", "Frame");
    case LayoutObjectKind::Rectangle: return Tr("LayoutObjects", "Rectangle");
    case LayoutObjectKind::RoundedRectangle: return Tr("LayoutObjects", "Rounded rectangle");
    case LayoutObjectKind::Ellipse: return Tr("LayoutObjects", "Ellipse");
    case LayoutObjectKind::DottedFrame: return Tr("LayoutObjects", "Dotted frame");
  }
  return Tr("LayoutObjects", "Object");
}

std::wstring ObjectName(const CDDFObject& object) {
  return KindName(KindOf(object)) + L" " + std::to_wstring(object.id);
}

CDDFObject MakeLayoutObject(LayoutObjectKind kind, std::uint32_t id, std::int32_t left, std::int32_t top,
                            std::int32_t right, std::int32_t bottom) {
  CDDFObject o;
  o.id = id;
  o.flags = DDF_PRINT | KindFlags(kind);
  if (kind == LayoutObjectKind::TextField) o.flags |= DDF_SELECT;
  // Fields show white behind their text; shapes start white with a black frame.
  o.color = 0xFFFFFF;
  o.left = left;
  o.top = top;
  o.right = right;
  o.bottom = bottom;
  return o;
}

void SetKind(CDDFObject& object, LayoutObjectKind kind) {
  std::uint32_t flags = (object.flags & ~kDrawingBits) | KindFlags(kind);
  if (kind == LayoutObjectKind::TextField) {
    flags |= DDF_SELECT;
  } else {
    flags &= ~(DDF_SELECT | DDF_REFRESH);
  }
  if (kind == LayoutObjectKind::Rectangle) flags &= ~DDF_HOLLOW;
  object.flags = flags;
}

FieldDefault WithTextAndStyle(FieldDefault value, std::wstring text, Alignment alignment, std::int32_t halfPoints) {
  value.text = std::move(text);
  const TextFormat base = value.format.value_or(DefaultStyleFormat());
  if (value.format || alignment != Alignment::Left || halfPoints != base.size) {
    TextFormat format = base;
    format.alignment = alignment;
    format.size = halfPoints;
    value.format = format;
  }
  return value;
}

FieldDefault ReadFieldDefault(const CDDFObject& object) {
  const std::wstring caption = object.GetCaption();
  if (!IsStoredRtf(caption)) return {caption, std::nullopt};
  const CRTFText text(caption);
  return {text.GetUnexpandedText(), text.GetFirstFormat()};
}

std::wstring FieldDefaultCaption(const FieldDefault& value) {
  return value.format ? WriteRtf(*value.format, value.text) : value.text;
}

}  // namespace mirn
