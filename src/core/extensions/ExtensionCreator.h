#pragma once
// The creation step of adding extensions: writes the IDs chosen in the Add Extensions dialog
// (or given to mirn-cli add) into the database with the chosen layout, filling each new
// extension from the layout's default texts or copying another extension's fields and
// pictures. An ID that exists is replaced only after the "Replace Extension" question.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "text/TextFormat.h"

namespace mirn {

class MRBBase;
class DDFLibrary;
class UserInterface;

struct AddExtensionsRequest {
  std::vector<std::wstring> ids;    // in the order typed, ranges expanded
  std::vector<std::wstring> names;  // one per ID; missing entries count as empty
  std::wstring typeCode;
  std::wstring copyFromId;  // empty: fill from the layout's default texts
  // The format a default text that is plain text (not RTF) is stored in, so that its braces
  // stay code braces ({EXT} shows the extension's ID) instead of reading as RTF groups.
  // Nothing: default texts are stored as the layout holds them.
  std::optional<TextFormat> plainTextFormat;
};

struct AddExtensionsOutcome {
  bool ok = false;
  std::vector<std::wstring> created;  // IDs written, in order (replaced ones included)
  std::vector<std::wstring> skipped;  // existing IDs answered with No
  int failureCode = 0;                // a database code when a write failed, else 0
  std::wstring failedId;              // the ID of that write, or the one answered with Cancel
  bool unknownTypeCode = false;       // the library lacks the layout (message shown)
};

// Runs the creation step. `commitEdits` runs before anything is written (the label panel
// finishes a field edit in progress). Questions and messages go through `ui`.
AddExtensionsOutcome CreateExtensions(MRBBase& db, DDFLibrary& library, UserInterface& ui,
                                      const AddExtensionsRequest& request,
                                      const std::function<void()>& commitEdits = {});

// The default text of a text object as a new extension stores it: trimmed, and empty for a
// second-kind text field whose default is the comment placeholder.
std::wstring DefaultFieldText(std::uint32_t flags, const std::wstring& caption);
// The stored form of a default text: RTF as it is, plain text written in `format`.
std::wstring StoredDefaultText(const std::wstring& text, const std::optional<TextFormat>& format);

}  // namespace mirn
