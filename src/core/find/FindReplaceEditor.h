#pragma once
// The find/replace editor's rules: the field's plain text with one occurrence selected, and
// what "Next", "Replace", "Skip" and "Cancel" do to it. The dialog copies the edit control's
// text and selection in before a button and shows them again after it; the person may also
// type in the text between buttons.

#include <cstddef>
#include <string>
#include <string_view>

namespace mirn {

enum class FindMode { Find, Replace };

// Where `find` next occurs in `text` at or after `from`, comparing upper-cased copies
// without match case; npos when it does not. An empty `find` never occurs.
std::size_t FindOccurrence(std::wstring_view text, std::wstring_view find, std::size_t from, bool matchCase);

class FindReplaceEditor {
 public:
  enum class Outcome {
    Moved,        // the next occurrence is selected; the editor stays open
    CloseAccept,  // no more occurrences in this field: close, keeping the text
    CloseCancel,  // close without storing this field's changes and stop the search
  };

  // `text` is the field's plain text (line breaks as line feeds); the occurrence at
  // `start` (`length` characters) is selected.
  FindReplaceEditor(std::wstring text, std::size_t start, std::size_t length, std::wstring find,
                    std::wstring replace, bool matchCase, FindMode mode);

  const std::wstring& Text() const { return text_; }
  std::size_t SelectionStart() const { return start_; }
  std::size_t SelectionLength() const { return length_; }
  FindMode Mode() const { return mode_; }
  bool Cancelled() const { return cancelled_; }
  // The number of occurrences replaced so far.
  std::size_t Replacements() const { return replacements_; }

  // What the person changed in the edit control; the selection is kept inside the text.
  void SetText(std::wstring text, std::size_t start, std::size_t length);

  // "Next" (find mode) and "Skip" (replace mode): select the next occurrence after the
  // selection, or close when there is none.
  Outcome Next();
  Outcome Skip() { return Next(); }
  // "Replace": replaces the selection when it is an occurrence, then searches on.
  Outcome Replace();
  Outcome Cancel();

 private:
  std::wstring text_;
  std::size_t start_ = 0;
  std::size_t length_ = 0;
  std::wstring find_;
  std::wstring replace_;
  bool matchCase_ = false;
  FindMode mode_ = FindMode::Find;
  bool cancelled_ = false;
  std::size_t replacements_ = 0;
};

}  // namespace mirn
