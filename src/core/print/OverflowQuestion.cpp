#include "print/OverflowQuestion.h"

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "platform/UserInterface.h"
#include "print/PrintTexts.h"

namespace mirn {
namespace {

// A list longer than this would not fit in a message box.
constexpr std::size_t kListedFields = 40;
constexpr std::size_t kListedTextLength = 60;

}  // namespace

std::map<std::wstring, long long> OverflowsByLayout(const std::vector<OverflowingField>& fields) {
  std::map<std::wstring, long long> byType;
  for (const OverflowingField& f : fields) ++byType[f.typeCode];
  return byType;
}

OverflowAnswer AskAboutOverflows(UserInterface& ui, const std::vector<OverflowingField>& fields) {
  if (fields.empty()) return OverflowAnswer::PrintAnyway;
  MessageBoxRequest request;
  request.caption = LoadString(kStrAppTitle);
  request.text = OverflowReadyNote(static_cast<long long>(fields.size())) + L"\n\nShow them before printing?";
  // The "to all" button after Print Anyway: printing, with every field made to fit.
  request.style = mb::kYesNoCancel | mb::kNoToAll | mb::kIconWarning;
  request.labels = {{mb::kIdYes, Tr("OverflowQuestion", "&Show Them")},
                    {mb::kIdNo, Tr("OverflowQuestion", "&Print Anyway")},
                    {mb::kIdNoToAll, Tr("OverflowQuestion", "Shrink to &Fit")}};
  const int answer = ui.MessageBox(request) & mb::kButtonMask;
  if (answer == mb::kIdNo) return OverflowAnswer::PrintAnyway;
  if (answer == mb::kIdNoToAll) return OverflowAnswer::ShrinkToFit;
  if (answer == mb::kIdYes) {
    std::wstring list;
    for (std::size_t i = 0; i < fields.size() && i < kListedFields; ++i) {
      list += FormatString(Tr("OverflowQuestion", "Extension %1, field %2: %3"),
                           {fields[i].id, std::to_wstring(fields[i].field), fields[i].text.substr(0, kListedTextLength)}) +
              L"\n";
    }
    if (fields.size() > kListedFields) {
      const std::size_t more = fields.size() - kListedFields;
      list += TrN("OverflowQuestion", "... and %n more", "... and %n more", more) + L"\n";
    }
    ui.Message(list, mb::kIconInformation, LoadString(kStrAppTitle));
  }
  return OverflowAnswer::Stop;
}

}  // namespace mirn
