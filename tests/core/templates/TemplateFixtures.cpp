#include "core/templates/TemplateFixtures.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <stdexcept>

#include "support/TestSupport.h"
#include "templates/DDFWriter.h"

namespace mirn::test {

CDDFTemplate MakeTemplate(const std::wstring& typeCode, std::uint32_t objects, std::uint32_t slots,
                          const std::wstring& version, const std::wstring& group) {
  CDDFTemplate t;
  t.header.version = version;
  t.header.typeCode = typeCode;
  t.header.groupName = group;
  t.header.description = L"Layout " + typeCode;
  t.header.labelWidth = 2880;
  t.header.labelHeight = 1440;
  for (std::uint32_t i = 0; i < slots; ++i) t.slots.push_back({720, static_cast<std::int32_t>(720 + 1440 * i)});
  for (std::uint32_t i = 1; i <= objects; ++i) {
    CDDFObject o;
    o.id = i;
    o.flags = DDF_PRINT | (i % 2 ? DDF_SELECT | DDF_TEXT : DDF_CAPTION);
    o.color = 0xFFFFFF;
    o.left = 10;
    o.top = static_cast<std::int32_t>(100 * i);
    o.right = 2800;
    o.bottom = o.top + 90;
    o.SetCaption(L"Caption " + std::to_wstring(i));
    t.objects.push_back(o);
  }
  t.header.slotCount = slots;
  t.header.objectCount = objects;
  return t;
}

std::string TemplateBytes(const CDDFTemplate& t, const std::string& preamble) {
  return WriteDDF(t, preamble);
}

std::filesystem::path WriteTemplateFile(const std::filesystem::path& path, const CDDFTemplate& t) {
  std::filesystem::create_directories(path.parent_path());
  WriteFile(path, TemplateBytes(t));
  return path;
}

void SetFileTime(const std::filesystem::path& path, std::int64_t seconds) {
  struct timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
  if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
    throw std::runtime_error("cannot set the time of " + path.string());
}

}  // namespace mirn::test
