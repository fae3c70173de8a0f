#include <gtest/gtest.h>

#include "core/templates/TemplateFixtures.h"
#include "util/ByteSource.h"
#include "templates/DDFReader.h"
#include "templates/DDFWriter.h"
#include "templates/TemplateSource.h"

namespace mirn {
namespace {

const char* kSource = R"({
  "format": "DDF",
  "preamble": "Layout\r\n",
  "groupName": "Acme",
  "typeCode": "AC100",
  "description": "Acme 100",
  "landscape": true,
  "labelWidth": "1in",
  "labelHeight": "25.4mm",
  "slotGrid": {"columns": 3, "rows": 2, "origin": {"x": 100, "y": 200}, "pitch": {"x": "0.5in", "y": 1000}},
  "objects": [
    {"id": 1026, "flags": ["DDF_PRINT", "SELECT", "DDF_TEXT", 4096], "color": "#C0FFEE",
     "left": 0, "top": 0, "right": 1440, "bottom": 700, "caption": "{NAME}"},
    {"id": 1025, "flags": 17, "color": 255, "left": "10pt", "top": 0, "right": 1440, "bottom": 1440}
  ]
})";

TEST(TemplateSource, CompilesEveryKindOfValue) {
  std::vector<std::string> warnings;
  const std::string bytes = CompileTemplateSource(kSource, &warnings);
  EXPECT_TRUE(warnings.empty());
  const CDDFTemplate t = CDDFTemplate::Load(MemoryByteSource(bytes), L"src");
  EXPECT_EQ(t.GetVersion(), L"DDF");
  EXPECT_TRUE(t.IsLandscape());
  EXPECT_EQ(t.GetLabelWidth(), 1440);
  EXPECT_EQ(t.GetLabelHeight(), 1440);
  EXPECT_EQ(t.GetSlots(), (std::vector<LabelSlot>{{100, 200}, {820, 200}, {1540, 200},
                                                  {100, 1200}, {820, 1200}, {1540, 1200}}));
  ASSERT_EQ(t.GetObjects().size(), 2u);
  const CDDFObject& field = t.GetObjects()[1];
  EXPECT_EQ(field.id, 1026u);
  EXPECT_EQ(field.flags, DDF_PRINT | DDF_SELECT | DDF_TEXT | DDF_REFRESH);
  EXPECT_EQ(field.color, 0x00EEFFC0u);  // red in the low byte
  EXPECT_EQ(field.GetCaption(), L"{NAME}");
  EXPECT_EQ(t.GetObjects()[0].left, 200);
  EXPECT_EQ(t.GetObjects()[0].color, 255u);
}

std::string ErrorOf(const std::string& from, const std::string& to) {
  std::string source = kSource;
  const auto at = source.find(from);
  if (at == std::string::npos) return "pattern not in source: " + from;
  source.replace(at, from.size(), to);
  try {
    CompileTemplateSource(source);
  } catch (const TemplateSourceError& e) {
    return e.what();
  }
  return "compiled";
}

TEST(TemplateSource, RefusesWhatCannotBeRightWithClearMessages) {
  EXPECT_EQ(ErrorOf("\"id\": 1025", "\"id\": 1026"), "objects[1].id: 1026 is used twice");
  EXPECT_EQ(ErrorOf("\"id\": 1026", "\"id\": 12"),
            "objects[0].id: text field ids 1 to 1024 are taken by pictures; use 0 or 1025 and above");
  EXPECT_EQ(ErrorOf("\"right\": 1440, \"bottom\": 700", "\"right\": -1, \"bottom\": 700"),
            "objects[0]: the rectangle is inverted (right must not be left of left, nor bottom above top)");
  EXPECT_EQ(ErrorOf("{NAME}", std::string(129, 'x')),
            "objects[0].caption: 129 characters do not fit its field of 128");
  EXPECT_EQ(ErrorOf("\"format\": \"DDF\"", "\"format\": \"270\"").substr(0, 8), "compiled");
  EXPECT_EQ(ErrorOf("\"Acme 100\"", "\"" + std::string(65, 'd') + "\""),
            "source.description: 65 characters do not fit its field of 64");
  EXPECT_EQ(ErrorOf("\"AC100\"", "\"ABCDEFGHI\""), "source.typeCode: 9 characters do not fit its field of 8");
  EXPECT_EQ(ErrorOf("\"Acme\"", "\"Acme \\u4e00\""), "source.groupName: holds a character that Windows-1252 cannot store");
  EXPECT_EQ(ErrorOf("\"SELECT\"", "\"SELECTED\""), "objects[0].flags[1]: unknown flag \"SELECTED\"");
  EXPECT_EQ(ErrorOf("#C0FFEE", "#C0FFE"), "objects[0].color: \"#C0FFE\" is not a colour of the form \"#RRGGBB\"");
  EXPECT_EQ(ErrorOf("\"25.4mm\"", "\"25.4cm\""), "labelHeight: unknown unit \"cm\" (use mm, in, pt or tw)");
  EXPECT_EQ(ErrorOf("\"25.4mm\"", "0"), "labelWidth: the label needs a positive width and height");
  EXPECT_EQ(ErrorOf("\"typeCode\": \"AC100\",", ""), "source: \"typeCode\" is missing");
  EXPECT_EQ(ErrorOf("\"slotGrid\"", "\"slots\": [], \"slotGrid\""), "slots: give \"slots\" or \"slotGrid\", not both");
  EXPECT_EQ(ErrorOf("Layout", "a\\u001Ab"), "preamble: must not contain the character U+001A");
  EXPECT_EQ(ErrorOf("{NAME}", "a\\u0000b"), "objects[0].caption: must not contain the character U+0000");
  EXPECT_EQ(ErrorOf("\"id\": 1025", "\"id\": 4294967296"), "objects[1].id: 4294967296 is out of range 0 to 4294967295");
  EXPECT_EQ(ErrorOf("{", "[").substr(0, 14), "not valid JSON");
  EXPECT_EQ(ErrorOf("\"id\": 1025", "\"id\": 8e999").substr(0, 14), "not valid JSON");
}

TEST(TemplateSource, WarnsAboutGeometryThatLooksWrong) {
  std::string source = kSource;
  source.replace(source.find("\"right\": 1440, \"bottom\": 1440"), 29, "\"right\": 1441, \"bottom\": 1440");
  source.replace(source.find("\"x\": 100"), 8, "\"x\": 15000");
  std::vector<std::string> warnings;
  CompileTemplateSource(source, &warnings);
  ASSERT_EQ(warnings.size(), 7u);  // every slot of the moved grid, then the object
  EXPECT_EQ(warnings[0], "slots[0]: the label runs off the landscape sheet");
  EXPECT_EQ(warnings[6], "objects[1]: the rectangle reaches outside the label");
}

TEST(TemplateSource, DumpBuildsBackToTheSameBytes) {
  for (const std::wstring version : {L"270", L"DDF"}) {
    CDDFTemplate t = test::MakeTemplate(L"lower", 4, 3, version);
    for (auto& o : t.objects) o.id += 2000;
    std::swap(t.objects[0], t.objects[3]);  // file order is kept
    t.objects[1].reserved = 9;
    t.objects[1].flags |= 0x40000;        // a bit without a name
    t.objects[2].color = 0x01000000;      // not an RGB colour
    t.objects[2].id = 0;
    t.objects[3].SetCaption(L"Caf\u00e9 \u20ac", 128);
    const std::string bytes = WriteDDF(t, "Any preamble\r\n\x01\x7F");
    const MemoryByteSource source(bytes);
    const std::string dumped = DumpTemplateSource(LoadInFileOrder(source, L"x"), ReadPreamble(source));
    EXPECT_EQ(CompileTemplateSource(dumped), bytes) << dumped;
  }
}

}  // namespace
}  // namespace mirn
