#include "print/PrintTexts.h"

#include "templates/ModelName.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::wstring Number(long long value) {
  std::wstring digits;
  AppendDecimal(digits, value);
  return digits;
}

}  // namespace

std::wstring ReadyText(long long labels, int copies, std::wstring_view groupName,
                       std::wstring_view description, long long sheets) {
  std::wstring text = TrN("PrintTexts", "Ready to print %n labels", "Ready to print %n label", labels);
  if (copies > 1) text += L" " + TrN("PrintTexts", "(%n of each label)", "(%n of each label)", copies);
  text += L"\n\n";
  text += FormatString(Tr("PrintTexts", "Label type: %1"), {ModelName(groupName, description)});
  text += L"\n";
  text += FormatString(Tr("PrintTexts", "Number of Mirn sheets required: %1"), {Number(sheets)});
  return text;
}

std::wstring MultipleLabelsNote() {
  return Tr("PrintTexts",
            "This layout has more than one label per page. If you want to start printing on a label "
            "other than the first label, click \"Choose Label\".");
}
std::wstring ChooseLabelButton() { return Tr("PrintTexts", "&Choose Label..."); }
std::wstring ChooserTitle() { return Tr("PrintTexts", "Select First Label"); }
std::wstring ChooserPrompt() {
  return Tr("PrintTexts", "There are multiple labels per sheet.\n\nPlease select the first label on which to print.");
}
std::wstring ChooserDiagramCaption() {
  return Tr("PrintTexts", "The highlighted label is the first label that will be printed.");
}

std::wstring SlotName(int slot) { return FormatString(Tr("PrintTexts", "Label %1"), {Number(slot + 1LL)}); }

std::wstring ProgressTitle() { return Tr("PrintTexts", "Printing"); }
std::wstring ProgressStop() { return Tr("PrintTexts", "Stop"); }

std::wstring ProgressLine(std::wstring_view id) {
  return FormatString(Tr("PrintTexts", "Printing %1..."), {std::wstring(id)});
}

std::wstring NoPrintersAvailable() { return Tr("PrintTexts", "No printers are available."); }
std::wstring NoPrinterInstalled() {
  return Tr("PrintTexts", "Do you have a printer installed? I could not find one.\n\nPlease install a printer and try again.");
}
std::wstring PrintingError() { return Tr("PrintTexts", "Unable to print because a printing error has occurred."); }

std::wstring MissingLayoutText(std::wstring_view typeCode) {
  return FormatString(LoadString(kStrMissingAddOn), {std::wstring(typeCode)});
}

std::wstring CannotSelectPrinterText(std::wstring_view printer) {
  return FormatString(Tr("PrintTexts",
                         "Printer \"%1\" could not be selected. Please update or re-install the printer driver.\n\n"
                         "Reverting to previously-selected printer."),
                      {std::wstring(printer)});
}

std::wstring SelectedCountText(long long count) {
  return TrN("PrintTexts", "%n extensions selected", "%n extension selected", count);
}

std::wstring OverflowReadyNote(long long fields) {
  return TrN("PrintTexts", "%n fields have more text than fits in them; they will print cut off.",
             "%n field has more text than fits in it; it will print cut off.", fields);
}

}  // namespace mirn
