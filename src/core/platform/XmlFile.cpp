#include "platform/XmlFile.h"

#include <ctime>
#include <sstream>
#include <string>

#include "platform/AtomicWrite.h"
#include "platform/FileErrors.h"
#include "util/DateTime.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                                   pugi::parse_pi | pugi::parse_doctype;

// The deepest element nesting, walked without recursion so that any depth is safe to look at.
int ElementDepth(const pugi::xml_document& doc) {
  int depth = 0;
  int deepest = 0;
  pugi::xml_node node = doc.first_child();
  while (node) {
    if (node.type() == pugi::node_element) deepest = std::max(deepest, depth + 1);
    if (deepest > kMaxXmlDepth) return deepest;
    if (node.first_child()) {
      node = node.first_child();
      ++depth;
      continue;
    }
    while (node && !node.next_sibling()) {
      node = node.parent();
      --depth;
      if (node == doc) return deepest;
    }
    if (node) node = node.next_sibling();
  }
  return deepest;
}

LocalDateTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  ::localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

bool Fail(std::error_code* error, std::error_code cause) {
  if (error) *error = cause;
  return false;
}

}  // namespace

XmlFileRead ReadXmlFile(const std::filesystem::path& file, pugi::xml_document& doc) {
  doc.reset();
  std::string bytes;
  std::error_code ec;
  if (!ReadWholeFile(file, bytes, &ec)) {
    if (ec == std::errc::no_such_file_or_directory) return {XmlFileState::kMissing, {}};
    return {XmlFileState::kUnreadable, ec};
  }
  const bool wellFormed = static_cast<bool>(doc.load_buffer(bytes.data(), bytes.size(), kParseOptions));
  // What was parsed of a damaged file stays for its records to be carried over, but never
  // deep nesting: every later step would pay for it.
  if (ElementDepth(doc) > kMaxXmlDepth) {
    doc.reset();
    return {XmlFileState::kDamaged, make_error_code(FileErrc::kNestedTooDeep)};
  }
  if (!wellFormed) return {XmlFileState::kDamaged, make_error_code(FileErrc::kDamaged)};
  return {XmlFileState::kRead, {}};
}

bool LoadXmlFile(const std::filesystem::path& file, pugi::xml_document& doc) { return ReadXmlFile(file, doc).Ok(); }

bool SaveXmlFile(const std::filesystem::path& file, pugi::xml_document& doc, std::error_code* error) {
  if (!doc.first_child() || doc.first_child().type() != pugi::node_declaration) {
    pugi::xml_node decl = doc.prepend_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
  }
  std::ostringstream out;
  doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return WriteFileAtomically(file, out.str(), error);
}

pugi::xml_node RootElement(const pugi::xml_document& doc, const char* name) {
  const pugi::xml_node root = doc.document_element();
  return std::string_view(root.name()) == name ? root : pugi::xml_node();
}

std::filesystem::path KeepDamagedFile(const std::filesystem::path& file, std::error_code* error) {
  const std::string stem = file.filename().string() + ".damaged-" + ToUtf8(FormatIsoBasic(LocalNow()));
  for (int n = 1; n < 100; ++n) {
    const std::filesystem::path backup = file.parent_path() / (n == 1 ? stem : stem + "-" + std::to_string(n));
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(backup, ec))) continue;
    // A hard link keeps the bytes under the new name before the old name goes, so the file
    // is never without a name; a rename is the fallback where links cannot be made.
    std::filesystem::create_hard_link(file, backup, ec);
    if (!ec) std::filesystem::remove(file, ec);
    else std::filesystem::rename(file, backup, ec);
    if (ec) {
      Fail(error, ec);
      return {};
    }
    if (error) error->clear();
    return backup;
  }
  Fail(error, std::make_error_code(std::errc::file_exists));
  return {};
}

bool OpenXmlStoreForUpdate(const std::filesystem::path& file, const char* root, const char* record,
                           const std::function<bool(const pugi::xml_node&)>& complete,
                           pugi::xml_document& doc, const FileNoticeHandler& notice, std::error_code* error) {
  const XmlFileRead read = ReadXmlFile(file, doc);
  switch (read.state) {
    case XmlFileState::kUnreadable:
      return Fail(error, read.cause);
    case XmlFileState::kMissing:
      doc.append_child(root);
      break;
    case XmlFileState::kRead:
      if (!RootElement(doc, root)) {
        // Another root element would make a second top-level element: not XML any more.
        if (doc.document_element()) return Fail(error, make_error_code(FileErrc::kNotStored));
        doc.append_child(root);
      }
      break;
    case XmlFileState::kDamaged: {
      std::error_code ec;
      const std::filesystem::path backup = KeepDamagedFile(file, &ec);
      if (backup.empty()) return Fail(error, ec);
      pugi::xml_document fresh;
      pugi::xml_node freshRoot = fresh.append_child(root);
      for (const pugi::xml_node r : RootElement(doc, root).children(record)) {
        if (complete(r)) freshRoot.append_copy(r);
      }
      doc.reset(fresh);
      if (notice) {
        notice(file, "kept as " + backup.filename().string() + " and started anew with the records it could read",
               read.cause);
      }
      break;
    }
  }
  if (error) error->clear();
  return true;
}

}  // namespace mirn
