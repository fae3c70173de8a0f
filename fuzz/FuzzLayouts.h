#pragma once
// Two small layouts written as template files, for the targets that need a library: "T3"
// (fields 10, 11, 12 and a caption) and "T4" (fields 20 to 23), both of group "Acme".
#include <filesystem>
#include <fstream>
#include <string>

#include "templates/CDDFTemplate.h"
#include "templates/DDFWriter.h"

namespace mirn::fuzz {

inline void WriteLayouts(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  constexpr std::uint32_t kField = DDF_PRINT | DDF_SELECT | DDF_TEXT;
  const auto object = [](std::uint32_t id, std::uint32_t flags) {
    CDDFObject o;
    o.id = id;
    o.flags = flags;
    o.color = 0xFFFFFF;
    o.right = 1000;
    o.bottom = 300;
    return o;
  };
  const auto layout = [&](const std::wstring& code, std::vector<CDDFObject> objects) {
    CDDFTemplate t;
    t.header.version = L"270";
    t.header.typeCode = code;
    t.header.groupName = L"Acme";
    t.header.description = L"Acme " + code;
    t.header.labelWidth = 1440;
    t.header.labelHeight = 2880;
    t.slots = {{0, 0}};
    t.objects = std::move(objects);
    const std::string bytes = WriteDDF(t, "Fuzz layout\r\n");
    std::ofstream(folder / (std::string(code.begin(), code.end()) + ".ddf"), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  };
  layout(L"T3", {object(5, DDF_PRINT | DDF_CAPTION), object(10, kField), object(11, kField), object(12, kField)});
  layout(L"T4", {object(20, kField), object(21, kField), object(22, kField), object(23, kField)});
}

}  // namespace mirn::fuzz
