#include "support/ExchangeLayouts.h"

#include <fstream>

#include "templates/DDFWriter.h"

namespace mirn::test {
namespace {

CDDFObject Object(std::uint32_t id, std::uint32_t flags, std::uint32_t color = 0xFFFFFF) {
  CDDFObject o;
  o.id = id;
  o.flags = flags;
  o.color = color;
  o.right = 1000;
  o.bottom = 300;
  return o;
}

void Write(const std::filesystem::path& path, const CDDFTemplate& t) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string bytes = WriteDDF(t, "Exchange test layout\r\n");
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

CDDFTemplate Layout(const std::wstring& code, const std::wstring& description) {
  CDDFTemplate t;
  t.header.version = L"270";
  t.header.typeCode = code;
  t.header.groupName = L"Acme";
  t.header.description = description;
  t.header.labelWidth = 1440;
  t.header.labelHeight = 2880;
  t.slots = {{0, 0}};
  return t;
}

}  // namespace

void WriteExchangeLayouts(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  constexpr std::uint32_t kField = DDF_PRINT | DDF_SELECT | DDF_TEXT;
  CDDFTemplate three = Layout(L"T3", L"Acme Three");
  three.objects = {Object(5, DDF_PRINT | DDF_CAPTION), Object(10, kField), Object(11, kField),
                   Object(12, kField)};
  Write(folder / "T3.ddf", three);
  CDDFTemplate four = Layout(L"T4", L"Acme Four");
  four.objects = {Object(23, kField), Object(21, kField), Object(22, kField, 0xFFFFC0), Object(20, kField)};
  Write(folder / "T4.ddf", four);
}

}  // namespace mirn::test
