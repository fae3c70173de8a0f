#pragma once
// The texts the print engine shows: the ready text of a run, the first-label chooser's texts,
// and the messages of printing failures, in the language of the installed catalog.

#include <string>
#include <string_view>

namespace mirn {

// "Ready to print 3 labels (2 of each label)\n\nLabel type: GROUP Description\nNumber of
// Mirn sheets required: 2". `sheets` is the count to show (see SheetsRequired).
std::wstring ReadyText(long long labels, int copies, std::wstring_view groupName,
                       std::wstring_view description, long long sheets);

// The ready dialog's note on layouts with more than one label per sheet.
std::wstring MultipleLabelsNote();
std::wstring ChooseLabelButton();      // "&Choose Label..."
std::wstring ChooserTitle();           // "Select First Label"
std::wstring ChooserPrompt();
std::wstring ChooserDiagramCaption();
// "Label 1", "Label 2", …: the chooser's list entry for a 0-based slot.
std::wstring SlotName(int slot);

std::wstring ProgressTitle();          // "Printing"
std::wstring ProgressStop();           // "Stop"
// "Printing 201..."
std::wstring ProgressLine(std::wstring_view id);

std::wstring NoPrintersAvailable();
std::wstring NoPrinterInstalled();
std::wstring PrintingError();
// "%1\nCould not locate an Add-On file. …" with the type code.
std::wstring MissingLayoutText(std::wstring_view typeCode);
// The message when a printer chosen in the list cannot be selected.
std::wstring CannotSelectPrinterText(std::wstring_view printer);
// "1 field has more text than fits in it; it will print cut off." and the plural.
std::wstring OverflowReadyNote(long long fields);
// "1 extension selected", "3 extensions selected"
std::wstring SelectedCountText(long long count);

}  // namespace mirn
