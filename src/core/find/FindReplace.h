#pragma once
// Find and replace across the open database: the search state the main window keeps
// between commands, the walk to the next field holding the find text (fields in number
// order after the current one, then the following extensions of the list, no wrap-around),
// and the storing of what the find/replace editor leaves in a field.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "find/FindReplaceEditor.h"

namespace mirn {

class MRBBase;
class Profile;
class UserInterface;

struct SearchState {
  std::wstring findText;
  std::wstring replaceText;
  bool matchCase = false;
  FindMode mode = FindMode::Find;
  bool inProgress = false;          // a search ran and can be continued
  std::vector<std::wstring> ids;    // the list's extension IDs, taken when the walk starts
  std::size_t currentIndex = 0;     // position of the current ID in `ids`
  std::wstring currentId;           // the extension being searched; empty before the first
  int currentField = 0;             // the field last visited in it
};

// What the Find and Replace dialogs hand over.
struct FindRequest {
  std::wstring findText;
  std::wstring replaceText;
  bool matchCase = false;
  FindMode mode = FindMode::Find;
  bool fromBeginning = true;  // "Start from beginning of database"
};

// A field holding the find text, as the editor opens on it.
struct FoundField {
  std::wstring id;
  int fieldId = 0;
  std::wstring storedText;  // the field's stored text when found
  std::wstring text;        // its unexpanded plain text, line breaks as line feeds
  std::size_t start = 0;    // the first occurrence in `text`
  std::size_t length = 0;
};

// The plain text the search looks in: the stored text parsed, codes as typed, line feeds
// written as carriage return plus line feed.
std::wstring SearchableText(const std::wstring& storedText);

class FindReplaceController {
 public:
  explicit FindReplaceController(UserInterface& ui) : ui_(ui) {}

  const SearchState& State() const { return state_; }
  // Whether a previous search can be continued ("Start from beginning of database" is
  // offered only then).
  bool CanContinue() const { return state_.inProgress; }

  // The dialog's Find or Replace button: keeps the texts and the case rule; from the
  // beginning (or with no search to continue) the walk starts again at the first extension
  // of `listIds`, the list's order at this moment.
  void Start(const FindRequest& request, std::vector<std::wstring> listIds);

  // The next field holding the find text, remembered as the current position. When the walk
  // ends without one: "No more occurrences of '%1' were found." and the state is reset.
  std::optional<FoundField> FindNext(MRBBase& db);

  // The editor closed on `field`. When its text differs from the field's, it is stored in
  // the field's own style; an empty text in the "Default Font" style removes the field's
  // text. Answers whether the search goes on (false after Cancel). Sets `stored` to whether
  // the field was written; a failed write is reported and stops the search.
  bool EditorClosed(MRBBase& db, const Profile& profile, const FoundField& field,
                    const FindReplaceEditor& editor, bool* stored = nullptr);

  // Forgets the position: the next search starts at the beginning. The texts and the case
  // rule stay for the dialogs to offer again.
  void Reset();

  static std::wstring NoMoreText(const std::wstring& findText);

 private:
  UserInterface& ui_;
  SearchState state_;
};

// The stored text for `editText` in the style of the field's present text (or the "Default
// Font" style for a field without text); empty to clear the field.
std::wstring EditedFieldText(const std::wstring& storedText, const std::wstring& editText,
                             const Profile& profile);

}  // namespace mirn
