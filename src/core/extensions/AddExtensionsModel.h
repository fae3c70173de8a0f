#pragma once
// What the Add Extensions dialog shows and decides, without the window: the product family
// and model lists, the copy-from list, the family chosen on opening, and the OK step that
// turns the typed IDs and names into a request for the creation step.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "extensions/ExtensionCreator.h"
#include "extensions/ExtensionIdList.h"

namespace mirn {

class Profile;

struct ModelEntry {
  std::wstring description;
  std::wstring typeCode;
};

struct CopyFromEntry {
  std::wstring text;  // "No Template", the ID, or "ID (name)"
  std::wstring id;    // empty for "No Template"
};

// The names of a names file (mirn-cli add --names-file), one a line, each trimmed and cut to
// the dialog's length; nothing when the file is not text (see DecodeTextFile).
std::optional<std::vector<std::wstring>> ParseNamesFile(std::string_view bytes);

// The distinct group names of the library's templates, sorted.
std::vector<std::wstring> ProductFamilies(const DDFLibrary& library);
// The templates of one group by description, sorted, one entry per distinct description.
std::vector<ModelEntry> ProductModels(const DDFLibrary& library, const std::wstring& family);
// "No Template" first, then the extensions of the type code sorted by their text.
std::vector<CopyFromEntry> CopyFromEntries(MRBBase& db, const std::wstring& typeCode);

struct InitialChoice {
  std::wstring family;    // empty when the library has no family
  std::wstring typeCode;  // the model to choose; empty: the family's first
};
// The family and model the dialog opens with: those of the first selected extension when it
// has a known layout, else the remembered "Default Manufacturer", else the first family.
InitialChoice InitialAddChoice(const DDFLibrary& library, const Profile& profile,
                               const std::wstring& selectedTypeCode);

// What the person entered when pressing OK.
struct AddDialogInput {
  std::wstring idText;
  std::wstring nameText;
  bool differentNames = false;
  std::wstring family;
  std::wstring typeCode;
  std::wstring copyFromId;  // empty for "No Template"
};

enum class AddDialogOutcome { kAccepted, kStayOpen, kCancelled };

// Runs the Extension Name Wizard over the IDs with the names so far; nothing when cancelled.
using NameWizardRunner = std::function<std::optional<std::vector<std::wstring>>(
    const std::vector<std::wstring>& ids, const std::vector<std::wstring>& names)>;

// The OK step. `names` is the dialog's names list, kept between wizard runs. On kAccepted
// `request` is filled and the family is remembered as "Default Manufacturer".
AddDialogOutcome AcceptAddDialog(const AddDialogInput& input, const RangeQuestion& askRange,
                                 const NameWizardRunner& wizard, Profile& profile,
                                 std::vector<std::wstring>& names, AddExtensionsRequest& request);

// The "Creating Extensions" warning's texts.
std::wstring CreateAllRangeText(long long count);
std::wstring CreateOneRangeText(const std::wstring& item);

}  // namespace mirn
