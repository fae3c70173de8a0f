#include "find/FindReplace.h"

#include "db/MRBBase.h"
#include "db/MRBGraphic.h"
#include "platform/UserInterface.h"
#include "text/CRTFText.h"
#include "text/SearchPrefilter.h"
#include "text/TextFormat.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

// The editor shows line breaks as line feeds, so a find text typed with CR LF is matched in
// that form.
std::wstring WithoutCr(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

std::wstring SearchableText(const std::wstring& storedText) {
  return LineFeedsToCrLf(CRTFText(storedText).GetUnexpandedText());
}

void FindReplaceController::Start(const FindRequest& request, std::vector<std::wstring> listIds) {
  state_.findText = request.findText;
  state_.replaceText = request.replaceText;
  state_.matchCase = request.matchCase;
  state_.mode = request.mode;
  if (request.fromBeginning || !state_.inProgress) {
    state_.ids = std::move(listIds);
    state_.currentIndex = 0;
    state_.currentId.clear();
    state_.currentField = 0;
  } else if (state_.ids.empty()) {
    state_.ids = std::move(listIds);
  }
  state_.inProgress = true;
}

std::optional<FoundField> FindReplaceController::FindNext(MRBBase& db) {
  const std::wstring find = state_.matchCase ? state_.findText : ToUpper(state_.findText);
  if (!find.empty()) {
    std::wstring text;
    for (size_t index = state_.currentIndex; index < state_.ids.size(); ++index) {
      const std::wstring& id = state_.ids[index];
      // A new extension is walked from its first field.
      int field = (index == state_.currentIndex && id == state_.currentId) ? state_.currentField : 0;
      while ((field = db.GetNextFieldId(id, field)) != 0) {
        // Picture slots hold descriptions of pictures, not text.
        if (IsGraphicSlot(field)) continue;
        const std::wstring stored = db.GetField(id, field);
        // Most fields cannot hold the text at all: those are passed over without parsing.
        if (!CouldContain(stored, find, state_.matchCase)) continue;
        text = SearchableText(stored);
        if (!state_.matchCase) text = ToUpper(text);
        if (text.find(find) == std::wstring::npos) continue;
        state_.currentIndex = index;
        state_.currentId = id;
        state_.currentField = field;
        FoundField found;
        found.id = id;
        found.fieldId = field;
        found.storedText = stored;
        found.text = CRTFText(stored).GetUnexpandedText();
        const std::wstring editorFind = WithoutCr(state_.findText);
        found.start = FindOccurrence(found.text, editorFind, 0, state_.matchCase);
        if (found.start == std::wstring::npos) {
          found.start = 0;  // a find text of a lone line-break character
        } else {
          found.length = editorFind.size();
        }
        return found;
      }
    }
  }
  ui_.Message(NoMoreText(state_.findText), mb::kIconInformation);
  Reset();
  return std::nullopt;
}

std::wstring EditedFieldText(const std::wstring& storedText, const std::wstring& editText,
                             const Profile& profile) {
  const TextFormat defaultStyle = GetDefaultFont(profile);
  TextFormat style = defaultStyle;
  if (!storedText.empty()) style = CRTFText(storedText).GetFirstFormat();
  if (editText.empty() && (storedText.empty() || style == defaultStyle)) return {};
  return WriteRtf(style, editText);
}

bool FindReplaceController::EditorClosed(MRBBase& db, const Profile& profile, const FoundField& field,
                                         const FindReplaceEditor& editor, bool* stored) {
  if (stored) *stored = false;
  if (editor.Cancelled()) return false;
  // The field is read again: what counts is the text it holds now.
  const std::wstring present = db.GetField(field.id, field.fieldId);
  const std::wstring presentText = CRTFText(present).GetUnexpandedText();
  if (editor.Text() == presentText) return true;
  const int rc = db.SetField(field.id, field.fieldId, EditedFieldText(present, editor.Text(), profile));
  if (rc != db::kOk) {
    ui_.Message(FormatString(Tr("FindReplace", "The text of extension \"%1\" could not be stored: %2."),
                             {field.id, DbResultText(rc)}));
    return false;
  }
  if (stored) *stored = true;
  return true;
}

void FindReplaceController::Reset() {
  // The texts stay for the dialogs to offer again; the position goes.
  state_.inProgress = false;
  state_.ids.clear();
  state_.currentIndex = 0;
  state_.currentId.clear();
  state_.currentField = 0;
}

std::wstring FindReplaceController::NoMoreText(const std::wstring& findText) {
  return FormatString(Tr("FindReplace", "No more occurrences of '%1' were found."), {findText});
}

}  // namespace mirn
