#include "extensions/ExtensionCreator.h"

#include <cstdint>
#include <optional>

#include "util/StringTable.h"
#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "db/MRBGraphic.h"
#include "platform/UserInterface.h"
#include "templates/CDDFObject.h"
#include "templates/DDFException.h"
#include "templates/DDFLibrary.h"
#include "util/Text.h"
#include "util/Catalog.h"

namespace mirn {
namespace {

// The stored text of each field a new extension starts with, worked out once per run.
struct FieldDefault {
  int fieldId;
  std::wstring text;
};

std::vector<FieldDefault> TemplateDefaults(const CDDFTemplate& layout, const std::optional<TextFormat>& format) {
  std::vector<FieldDefault> defaults;
  for (const CDDFObject& object : layout.GetObjects()) {
    if (!object.IsTextField()) continue;
    const std::wstring text = DefaultFieldText(object.flags, object.GetCaption());
    if (!text.empty()) defaults.push_back({static_cast<int>(object.id), StoredDefaultText(text, format)});
  }
  return defaults;
}

std::wstring ReplaceQuestionText(const std::wstring& id) {
  std::wstring text = LoadString(kStrReplaceExtension);
  const std::size_t at = text.find(L"%s");
  if (at != std::wstring::npos) text.replace(at, 2, id);
  return text;
}

// Copies every stored field of `from` to `to`: texts as they are, picture slots through the
// graphic records so embedded pictures stay referenced.
int CopyFields(MRBBase& db, const std::wstring& from, const std::wstring& to) {
  for (int fieldId = db.GetNextFieldId(from, 0); fieldId != 0; fieldId = db.GetNextFieldId(from, fieldId)) {
    if (IsGraphicSlot(fieldId)) {
      MRBGraphic graphic;
      if (db.GetGraphicField(from, fieldId, graphic) != db::kOk) continue;
      const int code = db.SetGraphicField(to, fieldId, graphic);
      if (code != db::kOk) return code;
    } else {
      const int code = db.InsertField(to, fieldId, db.GetField(from, fieldId));
      if (code != db::kOk) return code;
    }
  }
  return db::kOk;
}

}  // namespace

std::wstring DefaultFieldText(std::uint32_t flags, const std::wstring& caption) {
  const bool secondKindOnly = (flags & DDF_TEXT2) != 0 && (flags & DDF_TEXT) == 0;
  if (secondKindOnly && EqualsNoCase(caption, L"{COMMENT}")) return {};
  return Trim(caption);
}

std::wstring StoredDefaultText(const std::wstring& text, const std::optional<TextFormat>& format) {
  const bool rtf = text.rfind(L"{\\rtf", 0) == 0;
  return rtf || !format ? text : WriteRtf(*format, text);
}

AddExtensionsOutcome CreateExtensions(MRBBase& db, DDFLibrary& library, UserInterface& ui,
                                      const AddExtensionsRequest& request,
                                      const std::function<void()>& commitEdits) {
  AddExtensionsOutcome outcome;
  const std::wstring copyFrom = Trim(request.copyFromId);
  if (!copyFrom.empty() && !db.ExtensionExists(copyFrom)) return outcome;

  WaitCursor wait(ui);
  if (commitEdits) commitEdits();

  const std::wstring typeCode = ToUpper(Trim(request.typeCode));
  const std::shared_ptr<const CDDFTemplate> layout = library.FindTemplate(typeCode);
  if (!layout) {
    ui.Message(FormatString(LoadString(kStrCannotOpenAddOn), {request.typeCode}));
    outcome.unknownTypeCode = true;
    return outcome;
  }
  const std::vector<FieldDefault> defaults = copyFrom.empty() ? TemplateDefaults(*layout, request.plainTextFormat)
                                                              : std::vector<FieldDefault>();

  bool replaceAll = false;
  for (std::size_t i = 0; i < request.ids.size(); ++i) {
    const std::wstring id = Trim(request.ids[i]);
    if (id.empty()) continue;
    const std::wstring name = i < request.names.size() ? request.names[i] : std::wstring();
    // The copy source is never replaced: deleting it would lose the fields being copied.
    if (id == copyFrom) {
      outcome.skipped.push_back(id);
      continue;
    }
    if (db.ExtensionExists(id)) {
      if (!replaceAll) {
        const int answer = ui.MessageBox({ReplaceQuestionText(id), Tr("ExtensionCreator", "Replace Extension"),
                                          mb::kYesNoCancel | mb::kYesToAll | mb::kIconWarning, {}}) &
                           mb::kButtonMask;
        if (answer == mb::kIdNo) {
          outcome.skipped.push_back(id);
          continue;
        }
        if (answer == mb::kIdYesToAll) {
          replaceAll = true;
        } else if (answer != mb::kIdYes) {
          outcome.failedId = id;
          return outcome;
        }
      }
      const int code = db.DeleteExtension(id);
      if (code != db::kOk) {
        outcome.failureCode = code;
        outcome.failedId = id;
        return outcome;
      }
    }
    int code = db.AddExtension(id, typeCode, name);
    if (code == db::kOk) {
      if (!copyFrom.empty()) {
        code = CopyFields(db, copyFrom, id);
      } else {
        for (const FieldDefault& field : defaults) {
          code = db.InsertField(id, field.fieldId, field.text);
          if (code != db::kOk) break;
        }
      }
    }
    if (code != db::kOk) {
      outcome.failureCode = code;
      outcome.failedId = id;
      return outcome;
    }
    outcome.created.push_back(id);
  }
  outcome.ok = true;
  return outcome;
}

}  // namespace mirn
