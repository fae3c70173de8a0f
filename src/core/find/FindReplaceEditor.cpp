#include "find/FindReplaceEditor.h"

#include <algorithm>

#include "util/Text.h"

namespace mirn {

std::size_t FindOccurrence(std::wstring_view text, std::wstring_view find, std::size_t from, bool matchCase) {
  if (find.empty() || from > text.size()) return std::wstring_view::npos;
  if (matchCase) return text.find(find, from);
  // Character-wise upper-casing keeps positions, so a match in the copies is a match here.
  const auto upper = [](wchar_t a, wchar_t b) { return ToUpperChar(a) == ToUpperChar(b); };
  const auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), find.begin(),
                              find.end(), upper);
  return it == text.end() ? std::wstring_view::npos : static_cast<std::size_t>(it - text.begin());
}

FindReplaceEditor::FindReplaceEditor(std::wstring text, std::size_t start, std::size_t length,
                                     std::wstring find, std::wstring replace, bool matchCase,
                                     FindMode mode)
    : find_(std::move(find)), replace_(std::move(replace)), matchCase_(matchCase), mode_(mode) {
  SetText(std::move(text), start, length);
}

void FindReplaceEditor::SetText(std::wstring text, std::size_t start, std::size_t length) {
  text_ = std::move(text);
  start_ = std::min(start, text_.size());
  length_ = std::min(length, text_.size() - start_);
}

FindReplaceEditor::Outcome FindReplaceEditor::Next() {
  const std::size_t at = FindOccurrence(text_, find_, start_ + length_, matchCase_);
  if (at == std::wstring::npos) return Outcome::CloseAccept;
  start_ = at;
  length_ = find_.size();
  return Outcome::Moved;
}

FindReplaceEditor::Outcome FindReplaceEditor::Replace() {
  const std::wstring_view selected = std::wstring_view(text_).substr(start_, length_);
  if (length_ == find_.size() && FindOccurrence(selected, find_, 0, matchCase_) == 0) {
    text_.replace(start_, length_, replace_);
    length_ = replace_.size();
    ++replacements_;
  }
  return Next();
}

FindReplaceEditor::Outcome FindReplaceEditor::Cancel() {
  cancelled_ = true;
  return Outcome::CloseCancel;
}

}  // namespace mirn
