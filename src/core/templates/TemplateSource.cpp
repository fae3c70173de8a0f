#include "templates/TemplateSource.h"

#include <cmath>
#include <cstdio>
#include <set>

#include <nlohmann/json.hpp>

#include "db/MRBGraphic.h"
#include "templates/DDFWriter.h"
#include "templates/SheetStock.h"
#include "util/Text.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

using Json = nlohmann::ordered_json;

struct FlagName {
  const char* name;
  std::uint32_t bit;
};
constexpr FlagName kFlagNames[] = {
    {"DDF_PRINT", DDF_PRINT},     {"DDF_SELECT", DDF_SELECT},       {"DDF_TEXT", DDF_TEXT},
    {"DDF_TEXT2", DDF_TEXT2},     {"DDF_CAPTION", DDF_CAPTION},     {"DDF_RECT", DDF_RECT},
    {"DDF_ELLIPSE", DDF_ELLIPSE}, {"DDF_DOTTED", DDF_DOTTED},       {"DDF_HIDDEN", DDF_HIDDEN},
    {"DDF_ROUNDRECT", DDF_ROUNDRECT}, {"DDF_HOLLOW", DDF_HOLLOW},   {"DDF_LIGHT", DDF_LIGHT},
    {"DDF_REFRESH", DDF_REFRESH},
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw TemplateSourceError(FormatString(TrUtf8("TemplateSource", "%1: %2"), {where, what}));
}

const Json& Member(const Json& object, const char* name, const std::string& where) {
  const auto it = object.find(name);
  if (it == object.end()) Fail(where, FormatString(TrUtf8("TemplateSource", "\"%1\" is missing"), {name}));
  return *it;
}

std::int64_t Integer(const Json& value, const std::string& where, std::int64_t min, std::int64_t max) {
  if (!value.is_number_integer()) Fail(where, TrUtf8("TemplateSource", "must be a whole number"));
  const std::int64_t n = value.is_number_unsigned() && value.get<std::uint64_t>() > INT64_MAX
                             ? max + 1
                             : value.get<std::int64_t>();
  if (n < min || n > max) Fail(where, FormatString(TrUtf8("TemplateSource", "%1 is out of range %2 to %3"),
                            {std::to_string(n), std::to_string(min), std::to_string(max)}));
  return n;
}

// A length: twips as a number, or text with a unit ("63.5mm", "2.5in", "12pt").
std::int32_t Length(const Json& value, const std::string& where) {
  if (value.is_number_integer()) return static_cast<std::int32_t>(Integer(value, where, INT32_MIN, INT32_MAX));
  if (!value.is_string()) Fail(where, TrUtf8("TemplateSource", "must be twips or a length such as \"63.5mm\" or \"2.5in\""));
  const std::string text = value.get<std::string>();
  double number = 0;
  char unit[4] = {};
  int used = 0;
  if (std::sscanf(text.c_str(), "%lf%3[a-z]%n", &number, unit, &used) != 2 || used != static_cast<int>(text.size()))
    Fail(where, FormatString(TrUtf8("TemplateSource", "\"%1\" is not a length such as \"63.5mm\" or \"2.5in\""), {text}));
  const std::string u = unit;
  const double perUnit = u == "mm" ? 1440.0 / 25.4 : u == "in" ? 1440.0 : u == "pt" ? 20.0 : u == "tw" ? 1.0 : 0.0;
  if (perUnit == 0) Fail(where, FormatString(TrUtf8("TemplateSource", "unknown unit \"%1\" (use mm, in, pt or tw)"), {u}));
  const double twips = std::round(number * perUnit);
  if (!(std::fabs(twips) < 2e9)) Fail(where, FormatString(TrUtf8("TemplateSource", "\"%1\" is out of range"), {text}));
  return static_cast<std::int32_t>(twips);
}

std::wstring Text(const Json& object, const char* name, const std::string& where, std::size_t limit,
                  bool required = true, bool allowNul = false) {
  const auto it = object.find(name);
  if (it == object.end()) {
    if (required) Fail(where, FormatString(TrUtf8("TemplateSource", "\"%1\" is missing"), {name}));
    return {};
  }
  if (!it->is_string()) Fail(where + "." + name, TrUtf8("TemplateSource", "must be text"));
  const std::wstring text = FromUtf8(it->get<std::string>());
  for (wchar_t ch : text) {
    if (WideToCp1252(ch) < 0) Fail(where + "." + name, TrUtf8("TemplateSource", "holds a character that Windows-1252 cannot store"));
    // A NUL would end the text early in the file's fixed field.
    if (ch == 0 && !allowNul) Fail(where + "." + name, TrUtf8("TemplateSource", "must not contain the character U+0000"));
  }
  const std::size_t bytes = ToCp1252(text).size();
  if (bytes > limit)
    Fail(where + "." + name, FormatString(TrUtf8("TemplateSource", "%1 characters do not fit its field of %2"),
                                         {std::to_string(bytes), std::to_string(limit)}));
  return text;
}

std::uint32_t Flags(const Json& value, const std::string& where) {
  if (value.is_number()) return static_cast<std::uint32_t>(Integer(value, where, 0, UINT32_MAX));
  if (!value.is_array()) Fail(where, TrUtf8("TemplateSource", "must be a list of flag names or a number"));
  std::uint32_t flags = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const std::string at = where + "[" + std::to_string(i) + "]";
    if (value[i].is_number()) {
      flags |= static_cast<std::uint32_t>(Integer(value[i], at, 0, UINT32_MAX));
      continue;
    }
    if (!value[i].is_string()) Fail(at, TrUtf8("TemplateSource", "must be a flag name"));
    std::string name = value[i].get<std::string>();
    if (name.rfind("DDF_", 0) != 0) name = "DDF_" + name;
    const FlagName* found = nullptr;
    for (const auto& f : kFlagNames)
      if (name == f.name) found = &f;
    if (found == nullptr) Fail(at, FormatString(TrUtf8("TemplateSource", "unknown flag \"%1\""), {value[i].get<std::string>()}));
    flags |= found->bit;
  }
  return flags;
}

std::uint32_t Colour(const Json& value, const std::string& where) {
  if (value.is_number()) return static_cast<std::uint32_t>(Integer(value, where, 0, UINT32_MAX));
  if (!value.is_string()) Fail(where, TrUtf8("TemplateSource", "must be \"#RRGGBB\" or a COLORREF number"));
  const std::string text = value.get<std::string>();
  unsigned rgb = 0;
  int used = 0;
  if (text.size() != 7 || std::sscanf(text.c_str(), "#%6x%n", &rgb, &used) != 1 || used != 7)
    Fail(where, FormatString(TrUtf8("TemplateSource", "\"%1\" is not a colour of the form \"#RRGGBB\""), {text}));
  // COLORREF keeps red in the low byte.
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

LabelSlot Point(const Json& value, const std::string& where) {
  if (!value.is_object()) Fail(where, TrUtf8("TemplateSource", "must be an object with \"x\" and \"y\""));
  return {Length(Member(value, "x", where), where + ".x"), Length(Member(value, "y", where), where + ".y")};
}

void ReadSlots(const Json& source, CDDFTemplate& t) {
  const auto list = source.find("slots");
  const auto grid = source.find("slotGrid");
  if (list != source.end() && grid != source.end()) Fail("slots", TrUtf8("TemplateSource", "give \"slots\" or \"slotGrid\", not both"));
  if (list != source.end()) {
    if (!list->is_array()) Fail("slots", TrUtf8("TemplateSource", "must be a list"));
    for (std::size_t i = 0; i < list->size(); ++i) t.slots.push_back(Point((*list)[i], "slots[" + std::to_string(i) + "]"));
  } else if (grid != source.end()) {
    const std::int64_t columns = Integer(Member(*grid, "columns", "slotGrid"), "slotGrid.columns", 1, 1000);
    const std::int64_t rows = Integer(Member(*grid, "rows", "slotGrid"), "slotGrid.rows", 1, 1000);
    const LabelSlot origin = Point(Member(*grid, "origin", "slotGrid"), "slotGrid.origin");
    const LabelSlot pitch = Point(Member(*grid, "pitch", "slotGrid"), "slotGrid.pitch");
    for (std::int64_t r = 0; r < rows; ++r)
      for (std::int64_t c = 0; c < columns; ++c)
        t.slots.push_back({static_cast<std::int32_t>(origin.x + c * pitch.x), static_cast<std::int32_t>(origin.y + r * pitch.y)});
  }
}

// "sheet" ("Letter" or "A4"), "plainPaper" and any other words of the reserved header text
// ("reservedText") become that text.
void ReadStock(const Json& source, CDDFTemplate& t) {
  SheetStock stock;
  if (const auto it = source.find("sheet"); it != source.end()) {
    if (!it->is_string() || !PaperFromWord(FromUtf8(it->get<std::string>()), stock.paper))
      Fail("sheet", TrUtf8("TemplateSource", "must be \"Letter\" or \"A4\""));
  }
  if (const auto it = source.find("plainPaper"); it != source.end()) {
    if (!it->is_boolean()) Fail("plainPaper", TrUtf8("TemplateSource", "must be true or false"));
    stock.plainPaper = it->get<bool>();
  }
  t.header.reservedText = WithSheetStock(Text(source, "reservedText", "source", 64, false), stock);
  if (ToCp1252(t.header.reservedText).size() > 64)
    Fail("reservedText", TrUtf8("TemplateSource", "with the sheet's words it is longer than its field of 64 characters"));
}

void CheckGeometry(const CDDFTemplate& t, std::vector<std::string>* warnings) {
  const auto warn = [warnings](std::string text) {
    if (warnings) warnings->push_back(std::move(text));
  };
  const SheetSize sheet = SheetSizeOf(t);
  const std::int64_t sheetWidth = sheet.width;
  const std::int64_t sheetHeight = sheet.height;
  for (std::size_t i = 0; i < t.slots.size(); ++i) {
    const auto& s = t.slots[i];
    if (s.x < 0 || s.y < 0 || s.x + std::int64_t{t.header.labelWidth} > sheetWidth ||
        s.y + std::int64_t{t.header.labelHeight} > sheetHeight)
      warn("slots[" + std::to_string(i) + "]: the label runs off the " +
           (t.header.landscape ? std::string("landscape") : std::string("portrait")) + " sheet");
  }
  for (std::size_t i = 0; i < t.objects.size(); ++i) {
    const auto& o = t.objects[i];
    if (o.left < 0 || o.top < 0 || o.right > t.header.labelWidth || o.bottom > t.header.labelHeight)
      warn("objects[" + std::to_string(i) + "]: the rectangle reaches outside the label");
  }
}

}  // namespace

std::vector<std::string> FlagNames(std::uint32_t flags, std::uint32_t& unnamed) {
  std::vector<std::string> names;
  unnamed = flags;
  for (const auto& f : kFlagNames)
    if (flags & f.bit) {
      names.push_back(f.name);
      unnamed &= ~f.bit;
    }
  return names;
}

TemplateSource ParseTemplateSource(std::string_view json, std::vector<std::string>* warnings) {
  Json source;
  try {
    source = Json::parse(json);
  } catch (const Json::exception& e) {  // syntax errors, and numbers too large for any type
    throw TemplateSourceError(FormatString(TrUtf8("TemplateSource", "not valid JSON: %1"), {e.what()}));
  }
  if (!source.is_object()) Fail("source", TrUtf8("TemplateSource", "must be a JSON object"));

  TemplateSource result;
  CDDFTemplate& t = result.layout;
  const Json& format = Member(source, "format", "source");
  if (!format.is_string() || (format != "270" && format != "DDF")) Fail("format", TrUtf8("TemplateSource", "must be \"270\" or \"DDF\""));
  t.header.version = FromUtf8(format.get<std::string>());
  result.preamble = ToCp1252(Text(source, "preamble", "source", 259, false, true));
  if (result.preamble.find('\x1A') != std::string::npos) Fail("preamble", TrUtf8("TemplateSource", "must not contain the character U+001A"));
  t.header.groupName = Text(source, "groupName", "source", 64);
  t.header.typeCode = Text(source, "typeCode", "source", 8);
  if (Trim(t.header.typeCode).empty()) Fail("typeCode", TrUtf8("TemplateSource", "must not be empty"));
  t.header.description = Text(source, "description", "source", 64);
  if (const auto it = source.find("landscape"); it != source.end()) {
    if (!it->is_boolean()) Fail("landscape", TrUtf8("TemplateSource", "must be true or false"));
    t.header.landscape = it->get<bool>();
  }
  ReadStock(source, t);
  t.header.labelWidth = Length(Member(source, "labelWidth", "source"), "labelWidth");
  t.header.labelHeight = Length(Member(source, "labelHeight", "source"), "labelHeight");
  if (t.header.labelWidth <= 0 || t.header.labelHeight <= 0) Fail("labelWidth", TrUtf8("TemplateSource", "the label needs a positive width and height"));
  ReadSlots(source, t);

  const std::size_t captionLimit = t.header.version == L"DDF" ? kOldDDFTextSize : kDDFTextSize;
  const Json& objects = Member(source, "objects", "source");
  if (!objects.is_array()) Fail("objects", TrUtf8("TemplateSource", "must be a list"));
  std::set<std::uint32_t> ids;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const std::string where = "objects[" + std::to_string(i) + "]";
    const Json& o = objects[i];
    if (!o.is_object()) Fail(where, TrUtf8("TemplateSource", "must be an object"));
    CDDFObject object;
    object.id = static_cast<std::uint32_t>(Integer(Member(o, "id", where), where + ".id", 0, UINT32_MAX));
    if (!ids.insert(object.id).second) Fail(where + ".id", FormatString(TrUtf8("TemplateSource", "%1 is used twice"), {std::to_string(object.id)}));
    object.flags = Flags(Member(o, "flags", where), where + ".flags");
    if (object.IsTextField() && object.id <= kLastGraphicSlot && IsGraphicSlot(static_cast<int>(object.id)))
      Fail(where + ".id", TrUtf8("TemplateSource", "text field ids 1 to 1024 are taken by pictures; use 0 or 1025 and above"));
    if (const auto c = o.find("color"); c != o.end()) object.color = Colour(*c, where + ".color");
    if (const auto r = o.find("reserved"); r != o.end())
      object.reserved = static_cast<std::uint32_t>(Integer(*r, where + ".reserved", 0, UINT32_MAX));
    object.left = Length(Member(o, "left", where), where + ".left");
    object.top = Length(Member(o, "top", where), where + ".top");
    object.right = Length(Member(o, "right", where), where + ".right");
    object.bottom = Length(Member(o, "bottom", where), where + ".bottom");
    if (object.right < object.left || object.bottom < object.top)
      Fail(where, TrUtf8("TemplateSource", "the rectangle is inverted (right must not be left of left, nor bottom above top)"));
    object.SetCaption(Text(o, "caption", where, captionLimit, false), captionLimit);
    t.objects.push_back(object);
  }
  t.header.slotCount = static_cast<std::uint32_t>(t.slots.size());
  t.header.objectCount = static_cast<std::uint32_t>(t.objects.size());
  CheckGeometry(t, warnings);
  return result;
}

std::string CompileTemplateSource(std::string_view json, std::vector<std::string>* warnings) {
  const TemplateSource source = ParseTemplateSource(json, warnings);
  try {
    return WriteDDF(source.layout, source.preamble);
  } catch (const DDFWriteError& e) {
    throw TemplateSourceError(e.what());
  }
}

std::string DumpTemplateSource(const CDDFTemplate& layout, std::string_view preamble) {
  Json source;
  source["format"] = ToUtf8(layout.header.version);
  source["preamble"] = ToUtf8(FromCp1252(preamble));
  source["groupName"] = ToUtf8(layout.header.groupName);
  source["typeCode"] = ToUtf8(layout.header.typeCode);
  source["description"] = ToUtf8(layout.header.description);
  source["landscape"] = layout.header.landscape;
  const SheetStock stock = StockOf(layout);
  if (stock.paper != SheetPaper::Letter) source["sheet"] = ToUtf8(PaperName(stock.paper));
  if (stock.plainPaper) source["plainPaper"] = true;
  if (const std::wstring rest = WithSheetStock(layout.header.reservedText, {}); !rest.empty())
    source["reservedText"] = ToUtf8(rest);
  source["labelWidth"] = layout.header.labelWidth;
  source["labelHeight"] = layout.header.labelHeight;
  source["slots"] = Json::array();
  for (const auto& s : layout.slots) source["slots"].push_back({{"x", s.x}, {"y", s.y}});
  source["objects"] = Json::array();
  for (const auto& o : layout.objects) {
    Json object;
    object["id"] = o.id;
    std::uint32_t unnamed = 0;
    Json flags = Json::array();
    for (const auto& name : FlagNames(o.flags, unnamed)) flags.push_back(name);
    if (unnamed != 0) flags.push_back(unnamed);
    object["flags"] = flags;
    if (o.color <= 0xFFFFFF) {
      char rgb[8];
      std::snprintf(rgb, sizeof rgb, "#%02X%02X%02X", o.color & 0xFF, (o.color >> 8) & 0xFF, (o.color >> 16) & 0xFF);
      object["color"] = rgb;
    } else {
      object["color"] = o.color;
    }
    if (o.reserved != 0) object["reserved"] = o.reserved;
    object["left"] = o.left;
    object["top"] = o.top;
    object["right"] = o.right;
    object["bottom"] = o.bottom;
    object["caption"] = ToUtf8(o.GetCaption());
    source["objects"].push_back(object);
  }
  return source.dump(2) + "\n";
}

}  // namespace mirn
