#include <gtest/gtest.h>

#include "db/MRBGraphic.h"

namespace mirn {
namespace {

MRBGraphic Sample() {
  MRBGraphic g;
  g.fileName = L"C:\\Logos\\\"blue\"\tlogo \u00e9.png";
  g.relativeName = L"Logos\\a.png";
  g.left = 10;
  g.top = -20;
  g.width = 1440;
  g.height = 720;
  g.locked = true;
  return g;
}

TEST(GraphicRecord, WritesTheExactLayout) {
  const std::string expected =
      "{\n"
      "\t\"kind\" : \"MRBGraphic\",\n"
      "\t\"version\" : 2,\n"
      "\t\"graphics\" : [\n"
      "\t\t{\n"
      "\t\t\t\"fileName\" : \"C:\\\\Logos\\\\\\\"blue\\\"\\tlogo \xC3\xA9.png\",\n"
      "\t\t\t\"relativeName\" : \"Logos\\\\a.png\",\n"
      "\t\t\t\"left\" : 10,\n"
      "\t\t\t\"top\" : -20,\n"
      "\t\t\t\"width\" : 1440,\n"
      "\t\t\t\"height\" : 720,\n"
      "\t\t\t\"locked\" : true,\n"
      "\t\t\t\"embedded\" : false,\n"
      "\t\t\t\"embeddedHash\" : \"\"\n"
      "\t\t}\n"
      "\t]\n"
      "}";
  EXPECT_EQ(Sample().ToJson(), expected);
}

TEST(GraphicRecord, RoundTripsAndTakesTheHashOnlyWhenEmbedded) {
  MRBGraphic g = Sample();
  g.embedded = true;
  g.embeddedHash = std::wstring(40, L'a');
  MRBGraphic read;
  ASSERT_TRUE(read.FromJson(g.ToJson()));
  EXPECT_EQ(read, g);
  g.embedded = false;
  ASSERT_TRUE(read.FromJson(g.ToJson()));
  EXPECT_FALSE(read.embedded);
  EXPECT_EQ(read.embeddedHash, L"");
}

TEST(GraphicRecord, ReadsVersion1AndForeignLayouts) {
  MRBGraphic g;
  ASSERT_TRUE(g.FromJson(R"({"version":1.0,"kind":"MRBGraphic","graphics":[
      {"fileName":"a.bmp","relativeName":"","left":1.9,"top":-1.9,"width":3e9,
       "height":-3e9,"locked":false},{"ignored":true}]})"));
  EXPECT_EQ(g.fileName, L"a.bmp");
  EXPECT_EQ(g.left, 1);
  EXPECT_EQ(g.top, -1);
  EXPECT_EQ(g.width, 2147483647);
  EXPECT_EQ(g.height, -2147483647 - 1);
  EXPECT_FALSE(g.embedded);
}

TEST(GraphicRecord, AnyFaultFailsAndLeavesTheRecordAlone) {
  const MRBGraphic original = Sample();
  const std::string good = original.ToJson();
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const std::string bad[] = {
      "",
      "not json",
      good.substr(0, good.size() - 1),
      replaced("\"version\" : 2", "\"version\" : 0"),
      replaced("\"version\" : 2", "\"version\" : \"2\""),
      replaced("MRBGraphic", "Graphic"),
      replaced("\"locked\" : true", "\"locked\" : 1"),
      replaced("\"left\" : 10,\n", ""),
      replaced("\"embedded\" : false,\n", ""),
      replaced("\"embeddedHash\" : \"\"", "\"embeddedHash\" : null"),
      R"({"kind":"MRBGraphic","version":2,"graphics":[]})",
      R"({"kind":"MRBGraphic","version":2,"graphics":[5]})",
      R"([1,2])",
      "{\"kind\":\"MRBGraphic\",\"version\":2,\"graphics\":[{\"fileName\":\"\xFF\"}]}",
  };
  for (const auto& text : bad) {
    MRBGraphic g = original;
    EXPECT_FALSE(g.FromJson(text)) << text;
    EXPECT_EQ(g, original) << text;
  }
}

}  // namespace
}  // namespace mirn
