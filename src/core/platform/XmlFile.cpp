#include "platform/XmlFile.h"

#include <sstream>
#include <string>

#include "platform/AtomicWrite.h"

namespace mirn {

bool LoadXmlFile(const std::filesystem::path& file, pugi::xml_document& doc) {
  std::string bytes;
  if (!ReadWholeFile(file, bytes)) return false;
  const unsigned options =
      pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi | pugi::parse_doctype;
  return static_cast<bool>(doc.load_buffer(bytes.data(), bytes.size(), options));
}

bool SaveXmlFile(const std::filesystem::path& file, pugi::xml_document& doc) {
  if (!doc.first_child() || doc.first_child().type() != pugi::node_declaration) {
    pugi::xml_node decl = doc.prepend_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
  }
  std::ostringstream out;
  doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return WriteFileAtomically(file, out.str());
}

}  // namespace mirn
