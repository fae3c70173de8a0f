#include "support/ListLayouts.h"

#include <fstream>

#include "platform/KnownFolders.h"
#include "templates/DDFLibrary.h"
#include "templates/DDFWriter.h"

namespace mirn::test {
namespace {

CDDFObject Object(std::uint32_t id, std::uint32_t flags, const std::wstring& text = {}) {
  CDDFObject o;
  o.id = id;
  o.flags = flags;
  o.right = 1000;
  o.bottom = 300;
  o.SetCaption(text);
  return o;
}

CDDFTemplate Layout(const std::wstring& code, const std::wstring& group, const std::wstring& description) {
  CDDFTemplate t;
  t.header.version = L"270";
  t.header.typeCode = code;
  t.header.groupName = group;
  t.header.description = description;
  t.header.labelWidth = 1440;
  t.header.labelHeight = 2880;
  t.slots = {{0, 0}};
  return t;
}

void Write(const std::filesystem::path& path, const CDDFTemplate& t) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string bytes = WriteDDF(t, "List test layout\r\n");
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

void WriteListLayouts(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  constexpr std::uint32_t kText = DDF_PRINT | DDF_SELECT | DDF_TEXT;
  constexpr std::uint32_t kText2 = DDF_PRINT | DDF_SELECT | DDF_TEXT2;
  CDDFTemplate hx40 = Layout(L"HX40", L"Halden", L"Halden 40 card");
  hx40.objects = {Object(1205, DDF_PRINT | DDF_CAPTION, L"Caption"), Object(1210, kText, L"  Ext {Ext}  "),
                  Object(1211, kText2, L"{comment}"), Object(1212, kText)};
  Write(folder / "hx40.ddf", hx40);
  CDDFTemplate hx60 = Layout(L"HX60", L"Halden", L"Halden 60 set");
  hx60.objects = {Object(1220, kText, L"Line")};
  Write(folder / "hx60.ddf", hx60);
  CDDFTemplate hx61 = Layout(L"HX61", L"Halden", L"Halden 60 set");
  hx61.objects = {Object(1220, kText, L"Line")};
  Write(folder / "hx61.ddf", hx61);
  CDDFTemplate cv9 = Layout(L"CV9", L"Corvane", L"Corvane 9");
  cv9.objects = {Object(1230, kText2, L"{Comment}"), Object(1231, kText | DDF_TEXT2, L"{COMMENT}")};
  Write(folder / "cv9.ddf", cv9);
}

ListLibrary::ListLibrary(const std::filesystem::path& root)
    : folders(std::make_unique<FakeKnownFolders>(root)),
      library(std::make_unique<DDFLibrary>(*folders, std::filesystem::path())) {
  WriteListLayouts(root / "ddf");
  library->Scan(root / "ddf");
}

ListLibrary::~ListLibrary() = default;

}  // namespace mirn::test
