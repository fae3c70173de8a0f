#pragma once
// Template files for tests: small layouts built in memory and written with WriteDDF, so that
// each test states only what it changes.

#include <cstdint>
#include <filesystem>
#include <string>

#include "templates/CDDFTemplate.h"

namespace mirn::test {

// A "270" or "DDF" template with `objects` objects (ids 1, 2, ...; every other one
// selectable) and `slots` slots, a given type code and group.
CDDFTemplate MakeTemplate(const std::wstring& typeCode, std::uint32_t objects = 3,
                          std::uint32_t slots = 2, const std::wstring& version = L"270",
                          const std::wstring& group = L"Group");

// Bytes of `t` with the given preamble (padded to the minimum length).
std::string TemplateBytes(const CDDFTemplate& t, const std::string& preamble = "Layout\r\n");

// Writes a template file and answers its path.
std::filesystem::path WriteTemplateFile(const std::filesystem::path& path, const CDDFTemplate& t);

// Sets the file's last-write time to `seconds` since 1970.
void SetFileTime(const std::filesystem::path& path, std::int64_t seconds);

}  // namespace mirn::test
