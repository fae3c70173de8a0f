// The readers of other files (old databases and their tables, workbooks, layout sources)
// tell what is wrong with a file in the person's language; the file names, sizes and keys
// inside their messages are data and stay as they are.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "exchange/WorkbookReader.h"
#include "legacy/LegacyUnpacker.h"
#include "support/PseudoCatalog.h"
#include "support/TestSupport.h"
#include "templates/TemplateSource.h"
#include "util/ByteSource.h"
#include "xbase/BaseDbf.h"

namespace mirn::test {
namespace {

// The message of what `read` throws.
std::string Thrown(const std::function<void()>& read) {
  try {
    read();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(nothing thrown)";
}

// A pseudo-language text with its marks («, », the "~" that lengthen it) taken out.
std::string WithoutMarks(std::string text) {
  for (const std::string mark : {"\u00ab", "\u00bb", "~"}) {
    for (size_t at; (at = text.find(mark)) != std::string::npos;) text.erase(at, mark.size());
  }
  return text;
}

TEST(ReaderMessages, FollowTheLanguageAndKeepTheirData) {
  TempDir dir;
  const std::filesystem::path table = dir.Path() / "table.dbf";
  WriteFile(table, std::string(40, '\x42'));
  const std::vector<std::function<void()>> reads = {
      [&] {
        const MemoryByteSource shortFile("MRB");
        UnpackLegacyFile(shortFile, dir.Path(), [](const std::filesystem::path&) {});
      },
      [&] { xbase::OpenTable(table); },
      [] { OpenWorkbook("plain text", L"staff.xlsx", L""); },
      [] { ParseTemplateSource("{\"format\": \"270\", \"groupName\": \"G\", \"typeCode\": 5}"); },
      [] { ParseTemplateSource("{\"typeCode\": \"X\"}"); },
  };
  std::vector<std::string> english;
  for (const auto& read : reads) english.push_back(Thrown(read));
  EXPECT_EQ(english[0], "the file is too short (3 bytes) to hold a legacy database header");
  EXPECT_EQ(english[1], "DBF file signature 0x42 not recognized: " + table.string());
  EXPECT_EQ(english[2], "staff.xlsx: not a workbook (.xlsx or .ods)");
  EXPECT_NE(english[3].find("typeCode"), std::string::npos) << english[3];
  EXPECT_EQ(english[4], "source: \"format\" is missing");

  PseudoLanguage language;
  for (size_t i = 0; i < reads.size(); ++i) {
    const std::string translated = Thrown(reads[i]);
    EXPECT_NE(translated.find("\u00ab"), std::string::npos) << translated;
    // The same message with only the words changed: names, numbers and keys are all there.
    EXPECT_EQ(WithoutMarks(translated), english[i]);
  }
}

}  // namespace
}  // namespace mirn::test
