#pragma once
// Per-user XML settings files read whole and rewritten whole: reading keeps comments and
// processing instructions so that a rewrite keeps them; writing adds the UTF-8 declaration
// when the document has none and replaces the file atomically.

#include <filesystem>

#include <pugixml.hpp>

namespace mirn {

// False when the file cannot be read or is not well-formed XML.
bool LoadXmlFile(const std::filesystem::path& file, pugi::xml_document& doc);
// False when the file could not be written (its old content then stays).
bool SaveXmlFile(const std::filesystem::path& file, pugi::xml_document& doc);

}  // namespace mirn
