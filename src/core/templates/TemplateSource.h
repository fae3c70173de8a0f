#pragma once
// The readable source form of a layout template (JSON) and its compiler: what layouts are
// authored in, what `template build` compiles and `template dump` writes back.
//
// {
//   "format": "270",                  "270" (640-byte captions) or "DDF" (128-byte captions)
//   "preamble": "text before 0x1A",   optional
//   "groupName": "...", "typeCode": "...", "description": "...",
//   "landscape": false,
//   "sheet": "A4",                    optional: the stock's paper, "Letter" (default) or "A4"
//   "plainPaper": true,               optional: plain paper cut by hand (cut marks wanted)
//   "reservedText": "...",            optional: other words of the header's reserved text
//   "labelWidth": 2880, "labelHeight": "25.4mm",   twips, or text with "mm", "in" or "pt"
//   "slots": [{"x": 720, "y": 720}, ...]
//     or "slotGrid": {"columns": 2, "rows": 10, "origin": {"x":..,"y":..},
//                     "pitch": {"x":..,"y":..}}    filled row by row
//   "objects": [{"id": 1025, "flags": ["DDF_PRINT", "DDF_SELECT", "DDF_TEXT"] or 7,
//                "color": "#RRGGBB" or a COLORREF number, "left":, "top":, "right":,
//                "bottom":, "caption": "..."}, ...]
// }

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "templates/CDDFTemplate.h"

namespace mirn {

// A source that cannot be compiled; the message names the member ("objects[2].caption").
class TemplateSourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TemplateSource {
  CDDFTemplate layout;   // objects in source order
  std::string preamble;  // Windows-1252 bytes
};

// Parses and validates a source. Throws TemplateSourceError for anything the file format
// cannot hold or that is plainly wrong (repeated ids, inverted rectangles, text field ids in
// the picture range 1 to 1024, labels without size). Doubtful but possible things (an object
// outside its label, a label that runs off the sheet) go to `warnings`.
TemplateSource ParseTemplateSource(std::string_view json, std::vector<std::string>* warnings = nullptr);

// The template file bytes of a source.
std::string CompileTemplateSource(std::string_view json, std::vector<std::string>* warnings = nullptr);

// The source text of a template (objects in the order given), with a preamble.
std::string DumpTemplateSource(const CDDFTemplate& layout, std::string_view preamble);

// Flag names ("DDF_PRINT" ...) for a flag set, lowest bit first; bits without a name are
// left out and answered in `unnamed`.
std::vector<std::string> FlagNames(std::uint32_t flags, std::uint32_t& unnamed);

}  // namespace mirn
