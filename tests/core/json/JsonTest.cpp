#include <gtest/gtest.h>

#include "json/Json.h"

namespace mirn::json {
namespace {

TEST(Json, WriterLayoutForEveryKindOfValue) {
  const Value v = Parse(R"({"z":[],"b":{},"c":[1,-2,0.5,null,false],"d":"x\u0001y\/"})");
  EXPECT_EQ(Write(v),
            "{\n\t\"z\" : [],\n\t\"b\" : {},\n\t\"c\" : [\n\t\t1,\n\t\t-2,\n\t\t0.5,\n\t\tnull,\n"
            "\t\tfalse\n\t],\n\t\"d\" : \"x\\u0001y/\"\n}");
  EXPECT_EQ(Write(Value(0.1)), "0.10000000000000000555");
  EXPECT_EQ(Write(Value(3.0)), "3");
  EXPECT_EQ(Write(Value::object()), "{}");
  // What is written reads back, control characters included.
  const Value text = std::string("a\0b\x1f\t\"\\\xC3\xA9", 9);
  EXPECT_EQ(Parse(Write(text)), text);
}

TEST(Json, ReaderKeepsMemberOrderAndReportsErrors) {
  const Value v = Parse(R"({"b":1,"a":2})");
  EXPECT_EQ(v.begin().key(), "b");
  for (const char* text : {"", "{", "{\"a\":}", "[1,]", "{\"a\":1} x", "\"\xC3\""}) {
    EXPECT_THROW(Parse(text), ParseError) << text;
  }
}

}  // namespace
}  // namespace mirn::json
