#include "print/PrintTexts.h"

#include "templates/ModelName.h"
#include "util/StringTable.h"

namespace mirn {

std::wstring ReadyText(long long labels, int copies, std::wstring_view groupName,
                       std::wstring_view description, long long sheets) {
  std::wstring text = L"Ready to print " + std::to_wstring(labels) + L" label";
  if (labels != 1) text += L"s";
  if (copies > 1) text += L" (" + std::to_wstring(copies) + L" of each label)";
  text += L"\n\nLabel type: ";
  text += ModelName(groupName, description);
  text += L"\nNumber of Mirn sheets required: " + std::to_wstring(sheets);
  return text;
}

const wchar_t* const kMultipleLabelsNote =
    L"This layout has more than one label per page. If you want to start printing on a label "
    L"other than the first label, click \"Choose Label\".";
const wchar_t* const kChooseLabelButton = L"&Choose Label...";
const wchar_t* const kChooserTitle = L"Select First Label";
const wchar_t* const kChooserPrompt =
    L"There are multiple labels per sheet.\n\nPlease select the first label on which to print.";
const wchar_t* const kChooserDiagramCaption = L"The highlighted label is the first label that will be printed.";

std::wstring SlotName(int slot) { return L"Label " + std::to_wstring(slot + 1); }

const wchar_t* const kProgressTitle = L"Printing";
const wchar_t* const kProgressStop = L"Stop";

std::wstring ProgressLine(std::wstring_view id) { return L"Printing " + std::wstring(id) + L"..."; }

const wchar_t* const kNoPrintersAvailable = L"No printers are available.";
const wchar_t* const kNoPrinterInstalled =
    L"Do you have a printer installed? I could not find one.\n\nPlease install a printer and try again.";
const wchar_t* const kPrintingError = L"Unable to print because a printing error has occurred.";

std::wstring MissingLayoutText(std::wstring_view typeCode) {
  return FormatString(LoadString(kStrMissingAddOn), {std::wstring(typeCode)});
}

std::wstring CannotSelectPrinterText(std::wstring_view printer) {
  return L"Printer \"" + std::wstring(printer) +
         L"\" could not be selected. Please update or re-install the printer driver.\n\n"
         L"Reverting to previously-selected printer.";
}

std::wstring SelectedCountText(long long count) {
  return std::to_wstring(count) + (count == 1 ? L" extension" : L" extensions") + L" selected";
}

std::wstring OverflowReadyNote(long long fields) {
  return fields == 1 ? L"1 field has more text than fits in it; it will print cut off."
                     : std::to_wstring(fields) + L" fields have more text than fits in them; they will print cut off.";
}

}  // namespace mirn
