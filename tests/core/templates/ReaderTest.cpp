#include <gtest/gtest.h>

#include "core/templates/TemplateFixtures.h"
#include "support/TestSupport.h"
#include "util/ByteSource.h"
#include "templates/DDFException.h"
#include "templates/DDFReader.h"
#include "templates/DDFWriter.h"

namespace mirn {
namespace {

using test::MakeTemplate;
using test::TemplateBytes;

CDDFTemplate LoadBytes(const std::string& bytes) {
  return CDDFTemplate::Load(MemoryByteSource(bytes), L"mem.ddf");
}

std::wstring LoadFailure(const std::string& bytes) {
  try {
    LoadBytes(bytes);
  } catch (const DDFException& e) {
    return e.Message();
  }
  return L"loaded";
}

const std::wstring kUnreadable = L"Could not read DDF header: mem.ddf";
const std::wstring kInvalid = L"DDF did not pass validation tests: mem.ddf";

TEST(DDFReader, ReadsHeaderSlotsAndObjectsOfBothFormats) {
  for (const std::wstring version : {L"270", L"DDF"}) {
    CDDFTemplate t = MakeTemplate(L"ab12", 4, 3, version, L"Acme Phones");
    t.header.description = L"Caf\u00e9 desk set";
    t.header.landscape = true;
    t.header.labelWidth = -5;
    t.objects[2].color = 0x00C0FFEE;
    t.objects[2].reserved = 77;
    const CDDFTemplate got = LoadBytes(TemplateBytes(t));
    EXPECT_EQ(got.GetVersion(), version);
    EXPECT_EQ(got.GetTypeCode(), L"AB12");  // up-cased on reading
    EXPECT_EQ(got.GetGroupName(), L"Acme Phones");
    EXPECT_EQ(got.GetDescription(), L"Caf\u00e9 desk set");
    EXPECT_TRUE(got.IsLandscape());
    EXPECT_EQ(got.GetLabelWidth(), -5);
    EXPECT_EQ(got.GetLabelHeight(), 1440);
    EXPECT_EQ(got.GetSlots(), t.slots);
    ASSERT_EQ(got.GetObjects().size(), 4u);
    const CDDFObject& third = got.GetObjects()[2];
    EXPECT_EQ(third.id, 3u);
    EXPECT_EQ(third.color, 0x00C0FFEEu);
    EXPECT_EQ(third.reserved, 77u);
    EXPECT_EQ(third.flags, t.objects[2].flags);
    EXPECT_EQ(third.bottom, t.objects[2].bottom);
    EXPECT_EQ(third.GetCaption(), L"Caption 3");
    EXPECT_EQ(got.path, L"mem.ddf");
  }
}

TEST(DDFReader, EndMarkMustLieInTheFirst260Bytes) {
  CDDFTemplate t = MakeTemplate(L"X", 0, 0);
  // 259 bytes of preamble put the mark at position 259 and make the file exactly 480 bytes.
  const std::string at259 = TemplateBytes(t, std::string(259, 'p'));
  ASSERT_EQ(at259.size(), 480u);
  EXPECT_EQ(LoadBytes(at259).GetTypeCode(), L"X");

  // A mark at 260 is not found, even though the sizes would agree.
  t.objects.push_back(CDDFObject{});
  std::string at260 = std::string(260, 'p') + TemplateBytes(t, "").substr(1);
  at260.insert(260, 1, '\x1A');
  EXPECT_EQ(LoadFailure(at260), kUnreadable);

  // The first mark ends the preamble.
  const std::string marked = TemplateBytes(MakeTemplate(L"Y", 1, 0), "");
  EXPECT_EQ(LoadFailure(std::string("ab\x1A" "cd") + marked), kInvalid);
}

TEST(DDFReader, EmptyPreambleStartsTheHeaderAtByteOne) {
  const std::string bytes = TemplateBytes(MakeTemplate(L"E", 2, 1), "");
  ASSERT_EQ(bytes[0], '\x1A');
  EXPECT_EQ(bytes.size(), 1u + 220 + 8 + 2 * 672);
  EXPECT_EQ(LoadBytes(bytes).GetObjects().size(), 2u);
}

TEST(DDFReader, FileSizeMustMatchTheHeaderExactly) {
  const std::string bytes = TemplateBytes(MakeTemplate(L"OLD", 10, 3, L"DDF"), "pre");
  ASSERT_EQ(bytes.size(), 4u + 220 + 24 + 1600);
  EXPECT_EQ(LoadBytes(bytes).GetObjects().size(), 10u);
  EXPECT_EQ(LoadFailure(bytes + '\0'), kInvalid);
  EXPECT_EQ(LoadFailure(bytes.substr(0, bytes.size() - 1)), kInvalid);

  DDFHeaderInfo info;
  EXPECT_FALSE(CDDFTemplate::ReadInfo(MemoryByteSource(bytes + '\0'), L"mem.ddf", info));
  ASSERT_TRUE(CDDFTemplate::ReadInfo(MemoryByteSource(bytes), L"mem.ddf", info));
  EXPECT_EQ(info.typeCode, L"OLD");
  EXPECT_EQ(info.groupName, L"Group");
  EXPECT_EQ(info.description, L"Layout OLD");
}

TEST(DDFReader, HugeCountsAreRefusedWithoutReading) {
  std::string bytes = TemplateBytes(MakeTemplate(L"BIG", 1, 1));
  const std::size_t h = bytes.find('\x1A') + 1;
  for (std::size_t at : {h + 212, h + 216}) {
    std::string changed = bytes;
    changed.replace(at, 4, "\xFF\xFF\xFF\xFF");
    EXPECT_EQ(LoadFailure(changed), kInvalid);
  }
}

TEST(DDFReader, ShortFilesAndUnknownVersionsFail) {
  // Zero objects and zero slots: only a 480-byte file can be valid.
  const std::string empty = TemplateBytes(MakeTemplate(L"Z", 0, 0), "");
  ASSERT_EQ(empty.size(), 480u);  // the writer padded the preamble
  EXPECT_NO_THROW(LoadBytes(empty));
  EXPECT_EQ(LoadFailure(TemplateBytes(MakeTemplate(L"Z", 0, 0), "").substr(0, 479)), kUnreadable);
  EXPECT_EQ(LoadFailure(WriteDDF(MakeTemplate(L"Z", 0, 0), "", false)), kUnreadable);
  EXPECT_EQ(LoadFailure(""), kUnreadable);

  for (const char* version : {"271", "ddf", "27\0"}) {
    std::string bytes = TemplateBytes(MakeTemplate(L"V", 1, 1));
    bytes.replace(bytes.find('\x1A') + 1, 3, std::string(version, 3));
    EXPECT_EQ(LoadFailure(bytes), kInvalid) << version;
    DDFHeaderInfo info;
    EXPECT_FALSE(CDDFTemplate::ReadInfo(MemoryByteSource(bytes), L"mem.ddf", info));
  }
}

TEST(DDFReader, FixedWidthTextsWithoutTerminator) {
  CDDFTemplate t = MakeTemplate(L"abcdefgh", 2, 0, L"DDF");
  t.header.groupName = std::wstring(64, L'G');
  // A 128-byte caption with no NUL, followed by the next record's non-zero bytes.
  t.objects[0].SetCaption(std::wstring(128, L'c'), 128);
  t.objects[1].id = 0xFFFFFFFF;
  const CDDFTemplate got = LoadBytes(TemplateBytes(t));
  EXPECT_EQ(got.GetTypeCode(), L"ABCDEFGH");
  EXPECT_EQ(got.GetGroupName(), std::wstring(64, L'G'));
  EXPECT_EQ(got.GetObjects()[0].GetCaption(), std::wstring(128, L'c'));
  // The text block of a record from an older file is the 128 bytes read, then zeros.
  EXPECT_EQ(got.GetObjects()[0].text[128], '\0');
  CDDFObject full;
  full.SetCaption(std::wstring(640, L'\u00e9'));
  EXPECT_EQ(full.GetCaption(), std::wstring(640, L'\u00e9'));
  EXPECT_FALSE(full.SetCaption(std::wstring(641, L'x')));
}

TEST(DDFReader, ObjectsAreSortedByUnsignedId) {
  CDDFTemplate t = MakeTemplate(L"S", 0, 1);
  for (std::uint32_t id : {0x80000000u, 5u, 42u, 1u}) {
    CDDFObject o;
    o.id = id;
    o.flags = DDF_SELECT | DDF_TEXT;
    t.objects.push_back(o);
  }
  const CDDFTemplate got = LoadBytes(TemplateBytes(t));
  std::vector<std::uint32_t> ids;
  for (const auto& o : got.GetObjects()) ids.push_back(o.id);
  EXPECT_EQ(ids, (std::vector<std::uint32_t>{1, 5, 42, 0x80000000u}));
  ASSERT_NE(got.FindObject(0x80000000u), nullptr);
  EXPECT_EQ(got.FindObject(42)->id, 42u);
  EXPECT_EQ(got.FindObject(6), nullptr);
  EXPECT_EQ(got.FindObject(0x80000001u), nullptr);
}

TEST(DDFReader, TabOrderWrapsOverSelectableFields) {
  CDDFTemplate t = MakeTemplate(L"T", 6, 1);  // ids 1, 3, 5 selectable
  EXPECT_EQ(t.FieldCount(), 3u);
  EXPECT_EQ(t.FirstField()->id, 1u);
  EXPECT_EQ(t.NextField(1)->id, 3u);
  EXPECT_EQ(t.NextField(2)->id, 3u);
  EXPECT_EQ(t.NextField(5)->id, 1u);  // wraps
  EXPECT_EQ(t.PreviousField(5)->id, 3u);
  EXPECT_EQ(t.PreviousField(1)->id, 5u);  // wraps
  EXPECT_EQ(t.PreviousField(0)->id, 5u);

  CDDFTemplate one = MakeTemplate(L"O", 2, 1);  // only id 1 selectable
  EXPECT_EQ(one.NextField(1)->id, 1u);
  EXPECT_EQ(one.PreviousField(1)->id, 1u);

  CDDFTemplate none = MakeTemplate(L"N", 0, 1);
  EXPECT_EQ(none.NextField(1), nullptr);
  EXPECT_EQ(none.PreviousField(1), nullptr);
  EXPECT_EQ(none.FirstField(), nullptr);
}

TEST(DDFReader, FilesThatCannotBeOpened) {
  test::TempDir dir;
  const auto missing = dir / "missing.ddf";
  try {
    CDDFTemplate::Load(missing);
    FAIL();
  } catch (const DDFException& e) {
    EXPECT_EQ(e.Message(), L"Could not open DDF file: " + missing.wstring());
    EXPECT_STREQ(e.what(), ("Could not open DDF file: " + missing.string()).c_str());
  }
  DDFHeaderInfo info;
  EXPECT_THROW(CDDFTemplate::ReadInfo(dir.Path(), info), DDFException);  // a folder

  const auto good = test::WriteTemplateFile(dir / "good.ddf", MakeTemplate(L"GOOD"));
  EXPECT_EQ(CDDFTemplate::Load(good).path, good.wstring());
  EXPECT_TRUE(CDDFTemplate::ReadInfo(good, info));
  EXPECT_EQ(info.typeCode, L"GOOD");
}

TEST(DDFWriter, RefusesWhatTheFormatCannotHold) {
  CDDFTemplate t = MakeTemplate(L"W", 1, 1);
  EXPECT_THROW(WriteDDF(t, "with \x1A mark"), DDFWriteError);
  EXPECT_THROW(WriteDDF(t, std::string(260, 'p')), DDFWriteError);
  EXPECT_NO_THROW(WriteDDF(t, std::string(259, 'p')));
  t.header.typeCode = L"NINECHARS";
  EXPECT_THROW(WriteDDF(t, ""), DDFWriteError);
  t = MakeTemplate(L"W", 1, 1, L"DDF");
  t.objects[0].SetCaption(std::wstring(129, L'x'));
  EXPECT_THROW(WriteDDF(t, ""), DDFWriteError);
  t.header.version = L"300";
  EXPECT_THROW(WriteDDF(t, ""), DDFWriteError);
}

}  // namespace
}  // namespace mirn
