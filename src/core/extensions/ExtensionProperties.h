#pragma once
// The Extension Properties dialog without its window: what it shows about one extension and
// the OK step that changes its ID and name.

#include <string>

#include "util/DateTime.h"

namespace mirn {

class MRBBase;
class DDFLibrary;
class UserInterface;

struct ExtensionProperties {
  std::wstring id;
  std::wstring name;
  std::wstring typeCode;
  std::wstring family;  // the layout's group name; empty when the library lacks the type code
  std::wstring model;   // the layout's description; empty likewise
  std::wstring modified;  // "2026-12-09 14:03:51"
  LocalDateTime modifiedAt;  // the same, for a window to show in the locale's form
};

// Reads the extension; false when the database has no such extension.
bool LoadExtensionProperties(MRBBase& db, const DDFLibrary& library, const std::wstring& id,
                             ExtensionProperties& out);

enum class PropertiesOutcome {
  kSaved,      // changed (or nothing to change); the dialog closes
  kIdTaken,    // message 6148 shown; focus and select the ID field
  kFailed,     // the database refused; the message is shown, the dialog stays open
};

// OK: trims both fields; refuses an ID another extension has with message 6148; otherwise
// updates only what changed. On kSaved `props` holds the new ID and name.
PropertiesOutcome ApplyExtensionProperties(MRBBase& db, UserInterface& ui, ExtensionProperties& props,
                                           const std::wstring& idField, const std::wstring& nameField);

}  // namespace mirn
