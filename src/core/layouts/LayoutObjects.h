#pragma once
// The kinds of object a layout holds, as the designer names them, and the flags of the file
// format each kind stands for; the default text of a text field with its style and
// alignment, kept in the field's caption as the stored text of a new extension.

#include <cstdint>
#include <optional>
#include <string>

#include "templates/CDDFObject.h"
#include "text/TextFormat.h"

namespace mirn {

enum class LayoutObjectKind {
  TextField,         // the extension's text stored under the object's id
  Caption,           // fixed text of the layout
  Frame,             // a rectangle's outline
  Rectangle,         // filled rectangle with a thin frame
  RoundedRectangle,  // filled, corners one fifth of its width
  Ellipse,
  DottedFrame,       // a guide on screen; printed only when asked
};

// The drawing bits of a kind (without DDF_PRINT, DDF_SELECT and the modifiers).
std::uint32_t KindFlags(LayoutObjectKind kind);
// The kind an object is drawn as on paper: the first match of the format's order.
LayoutObjectKind KindOf(const CDDFObject& object);
// "Text field", "Caption", ...
std::wstring KindName(LayoutObjectKind kind);
// "Text field 1101", "Caption 2001": how messages name an object.
std::wstring ObjectName(const CDDFObject& object);

// A new object of a kind: printed; a text field is also selectable; a frame is hollow.
CDDFObject MakeLayoutObject(LayoutObjectKind kind, std::uint32_t id, std::int32_t left, std::int32_t top,
                            std::int32_t right, std::int32_t bottom);
// Changes an object's kind, keeping its id, rectangle, colour, text and the modifier bits
// (printed, hidden, hollow, light, refresh).
void SetKind(CDDFObject& object, LayoutObjectKind kind);

// The default text of a text field and the format it is written in. A plain text is kept
// as it is; a field with a style of its own keeps a one-format stored text (RTF).
struct FieldDefault {
  std::wstring text;
  std::optional<TextFormat> format;  // nothing: the extension takes the user's default font
};
FieldDefault ReadFieldDefault(const CDDFObject& object);
// `value` with a new text, alignment and size (half points), as the designer's boxes give
// them. A field keeps a plain default text until it is given a style of its own: a format is
// added only when the field had one, or the alignment or size differ from the user's default.
FieldDefault WithTextAndStyle(FieldDefault value, std::wstring text, Alignment alignment, std::int32_t halfPoints);
// The caption that holds a default (the stored text form); the caller checks its length.
std::wstring FieldDefaultCaption(const FieldDefault& value);

}  // namespace mirn
