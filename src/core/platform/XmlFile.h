#pragma once
// Per-user XML settings files read whole and rewritten whole: reading keeps comments and
// processing instructions so that a rewrite keeps them; writing adds the UTF-8 declaration
// when the document has none and replaces the file atomically.

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include <pugixml.hpp>

namespace mirn {

// Elements nested deeper than this are refused when reading: our files need three levels,
// and rewriting deep nesting costs time and space with the square of the depth.
inline constexpr int kMaxXmlDepth = 16;

enum class XmlFileState {
  kRead,        // read and well-formed
  kMissing,     // no such file: an empty document
  kDamaged,     // read but not well-formed, or nested too deep: the parsed part stays in doc
  kUnreadable,  // could not be read at all (permission, not a regular file, too large...)
};

struct XmlFileRead {
  XmlFileState state = XmlFileState::kMissing;
  std::error_code cause;  // why it is damaged or unreadable
  bool Ok() const { return state == XmlFileState::kRead; }
};

// Reads `file` into `doc`.
XmlFileRead ReadXmlFile(const std::filesystem::path& file, pugi::xml_document& doc);
// True only when the file was read and is well-formed.
bool LoadXmlFile(const std::filesystem::path& file, pugi::xml_document& doc);
// False when the file could not be written (its old content then stays).
bool SaveXmlFile(const std::filesystem::path& file, pugi::xml_document& doc,
                 std::error_code* error = nullptr);

// The document element when it is named `name` (never a processing instruction or other
// node of that name), else an empty node.
pugi::xml_node RootElement(const pugi::xml_document& doc, const char* name);

// Moves a damaged file aside to "NAME.damaged-YYYYMMDDTHHMMSS" (local time; "-2", "-3"...
// when that name is taken) beside it and answers the new path; empty and `error` when it
// could not be moved.
std::filesystem::path KeepDamagedFile(const std::filesystem::path& file, std::error_code* error = nullptr);

// What a store tells its user about its file: "FILE: what (cause)". Called at most once per
// event; stores without a handler stay silent.
using FileNoticeHandler =
    std::function<void(const std::filesystem::path& file, const std::string& what, std::error_code cause)>;

// Opens a store's file for a change of its records under the root element `root`.
// - missing: a new document with the root;
// - damaged: the file is kept as a dated backup (told through `notice`), and the records
//   (children named `record` of the root) that `complete` accepts are carried over into a new
//   document, so nothing that could be read is lost;
// - unreadable, or damaged but impossible to move aside, or another root element: false and
//   `error`; the file is left alone.
bool OpenXmlStoreForUpdate(const std::filesystem::path& file, const char* root, const char* record,
                           const std::function<bool(const pugi::xml_node&)>& complete,
                           pugi::xml_document& doc, const FileNoticeHandler& notice,
                           std::error_code* error = nullptr);

}  // namespace mirn
