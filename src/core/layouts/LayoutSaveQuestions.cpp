#include "layouts/LayoutSaveQuestions.h"

#include "layouts/LayoutDocument.h"
#include "layouts/LayoutValidation.h"
#include "platform/UserInterface.h"
#include "templates/DDFLibrary.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

std::wstring Caption() { return Tr("LayoutSaveQuestions", "Layout Designer"); }

std::wstring Lines(const std::vector<const LayoutProblem*>& problems) {
  std::wstring text;
  for (const LayoutProblem* problem : problems) text += L"\n" + problem->message;
  return text;
}

}  // namespace

LayoutSaveResult SaveLayoutAsking(LayoutDocument& document, DDFLibrary& library, UserInterface& ui) {
  LayoutSaveResult result;
  const std::vector<LayoutProblem> problems = ValidateLayout(document.Layout(), &library, document.Path());
  std::vector<const LayoutProblem*> errors, warnings;
  const LayoutProblem* taken = nullptr;
  for (const LayoutProblem& problem : problems) {
    if (problem.IsError()) errors.push_back(&problem);
    else if (problem.kind == LayoutProblemKind::TypeCodeTaken) taken = &problem;
    else warnings.push_back(&problem);
  }
  if (!errors.empty()) {
    result.message = errors.front()->message;
    ui.MessageBox({Tr("LayoutSaveQuestions", "The layout was not saved:") + Lines(errors), Caption(), mb::kOk | mb::kIconError, {}});
    return result;
  }
  if (!warnings.empty()) {
    const int answer = ui.MessageBox(
        {Tr("LayoutSaveQuestions", "Please check the layout:") + Lines(warnings) + L"\n\n" +
             Tr("LayoutSaveQuestions", "Save it anyway?"), Caption(), mb::kYesNo | mb::kIconWarning, {}});
    if ((answer & mb::kButtonMask) != mb::kIdYes) {
      result.message = Tr("LayoutSaveQuestions", "Not saved.");
      return result;
    }
  }
  if (taken) {
    const std::wstring freeCode = FreeTypeCode(document.Layout().GetTypeCode(), library);
    const int answer = ui.MessageBox({taken->message + L"\n\n" +
                                          FormatString(Tr("LayoutSaveQuestions",
                                                          "Save this layout as the new type code %1, or replace the "
                                                          "layout of that type code with yours?"),
                                                       {freeCode}),
                                      Caption(), mb::kYesNoCancel | mb::kIconQuestion,
                                      {{mb::kIdYes, Tr("LayoutSaveQuestions", "Save as &New Type Code")},
                                       {mb::kIdNo, Tr("LayoutSaveQuestions", "&Replace Mine")}}});
    const int button = answer & mb::kButtonMask;
    if (button == mb::kIdYes && !freeCode.empty()) {
      document.SetTypeCode(freeCode);
    } else if (button != mb::kIdNo) {
      result.message = Tr("LayoutSaveQuestions", "Not saved.");
      return result;
    }
  }
  result = SaveLayout(document, library);
  if (!result.saved) ui.MessageBox({result.message, Caption(), mb::kOk | mb::kIconError, {}});
  return result;
}

bool MayCloseLayout(LayoutDocument& document, DDFLibrary& library, UserInterface& ui) {
  if (!document.IsModified()) return true;
  const std::wstring code = document.Layout().GetTypeCode();
  const std::wstring text = code.empty() ? Tr("LayoutSaveQuestions", "Save the new layout?")
                                          : FormatString(Tr("LayoutSaveQuestions", "Save the changes to the layout %1?"), {code});
  const int button = ui.MessageBox({text, Caption(), mb::kYesNoCancel | mb::kIconQuestion, {}}) & mb::kButtonMask;
  if (button == mb::kIdNo) return true;
  if (button != mb::kIdYes) return false;
  return SaveLayoutAsking(document, library, ui).saved;
}

}  // namespace mirn
