// The label stock kept in the header's reserved text: read and written without disturbing
// other readers of the format, and carried through the template source both ways.
#include <gtest/gtest.h>

#include "templates/DDFReader.h"
#include "templates/DDFWriter.h"
#include "templates/SheetStock.h"
#include "templates/TemplateSource.h"
#include "util/ByteSource.h"

namespace mirn {
namespace {

TEST(SheetStock, WordsOfTheReservedText) {
  EXPECT_EQ(ReadSheetStock(L""), SheetStock{});
  EXPECT_EQ(ReadSheetStock(L"sheet=A4"), (SheetStock{SheetPaper::A4, false}));
  EXPECT_EQ(ReadSheetStock(L"  Sheet=a4   STOCK=plain "), (SheetStock{SheetPaper::A4, true}));
  EXPECT_EQ(ReadSheetStock(L"sheet=B5 note"), SheetStock{});  // an unknown paper is Letter
  EXPECT_EQ(ReadSheetStock(L"sheet=a4 sheet=letter"), SheetStock{});  // the last one wins

  // The defaults write nothing, so a Letter layout's bytes stay as they were.
  EXPECT_EQ(WithSheetStock(L"", {}), L"");
  EXPECT_EQ(WithSheetStock(L"", {SheetPaper::A4, true}), L"sheet=A4 stock=plain");
  // Other words are kept; earlier stock words are replaced.
  EXPECT_EQ(WithSheetStock(L"made-by-hand sheet=letter stock=plain", {SheetPaper::A4, false}),
            L"made-by-hand sheet=A4");
  EXPECT_EQ(WithSheetStock(L"sheet=A4 stock=plain", {}), L"");

  EXPECT_EQ(SheetSizeOf(SheetPaper::A4, true).width, kA4HeightTwips);
  EXPECT_EQ(SheetSizeOf(SheetPaper::Letter, false).height, kLetterHeightTwips);
}

CDDFTemplate SmallLayout() {
  CDDFTemplate t;
  t.header.version = L"270";
  t.header.typeCode = L"A4T";
  t.header.labelWidth = 1000;
  t.header.labelHeight = 500;
  t.slots = {{10, 20}};
  return t;
}

TEST(SheetStock, WrittenIntoTheReservedTextAndReadBack) {
  CDDFTemplate t = SmallLayout();
  const std::string letter = WriteDDF(t, "x");
  const std::size_t h = letter.find('\x1A') + 1;
  EXPECT_EQ(letter.substr(h + 3, 64), std::string(64, '\0'));  // as every writer wrote it

  t.header.reservedText = WithSheetStock(L"", {SheetPaper::A4, true});
  const std::string a4 = WriteDDF(t, "x");
  ASSERT_EQ(a4.size(), letter.size());
  EXPECT_EQ(a4.substr(h + 3, 20), std::string("sheet=A4 stock=plain"));
  // Nothing else moved: the header fields after it are where any reader looks for them.
  EXPECT_EQ(a4.substr(h + 67), letter.substr(h + 67));
  const CDDFTemplate back = CDDFTemplate::Load(MemoryByteSource(a4), L"a4");
  EXPECT_EQ(StockOf(back), (SheetStock{SheetPaper::A4, true}));
  EXPECT_EQ(back.GetTypeCode(), L"A4T");

  t.header.reservedText = std::wstring(65, L'x');
  EXPECT_THROW(WriteDDF(t, "x"), DDFWriteError);
}

TEST(SheetStock, TemplateSourceCarriesTheStock) {
  const std::string source = R"({
    "format": "270", "groupName": "G", "typeCode": "A4S", "description": "A4 strips",
    "sheet": "A4", "plainPaper": true, "reservedText": "kept",
    "labelWidth": "50mm", "labelHeight": "280mm",
    "slots": [{"x": "5mm", "y": "8mm"}, {"x": "155mm", "y": "8mm"}],
    "objects": []
  })";
  std::vector<std::string> warnings;
  const std::string bytes = CompileTemplateSource(source, &warnings);
  // 8 + 280 mm fits A4's 297 mm but not Letter's 279.4; 155 + 50 mm fits A4's 210 mm.
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  const CDDFTemplate t = CDDFTemplate::Load(MemoryByteSource(bytes), L"src");
  EXPECT_EQ(t.header.reservedText, L"kept sheet=A4 stock=plain");
  const std::string dumped = DumpTemplateSource(LoadInFileOrder(MemoryByteSource(bytes), L"src"), "");
  EXPECT_NE(dumped.find("\"sheet\": \"A4\""), std::string::npos) << dumped;
  EXPECT_EQ(CompileTemplateSource(dumped), bytes);

  // The same sheet as Letter: both labels run off it.
  std::string letter = source;
  letter.replace(letter.find("\"A4\""), 4, "\"Letter\"");
  warnings.clear();
  CompileTemplateSource(letter, &warnings);
  EXPECT_EQ(warnings.size(), 2u);

  std::string bad = source;
  bad.replace(bad.find("\"A4\""), 4, "\"B5\"");
  try {
    CompileTemplateSource(bad);
    ADD_FAILURE() << "compiled";
  } catch (const TemplateSourceError& e) {
    EXPECT_STREQ(e.what(), "sheet: must be \"Letter\" or \"A4\"");
  }
}

}  // namespace
}  // namespace mirn
