#pragma once
// The system's numbered strings. Messages that the program shows by number are looked up
// here, so every text has one home and one spelling; each is translated as it is loaded.

#include <string>

namespace mirn {

enum StringId : int {
  kStrAppTitle = 1,            // "Mirn Labeling System"
  kStrReplaceExtension = 1052, // "There is already an extension with the name: …"
  kStrCompany = 2049,          // "Mirn"
  kStrUntitled = 2054,         // "Untitled"
  kStrNoTemplate = 2055,       // "No Template"
  kStrWizardNext = 2056,       // "&Next >"
  kStrWizardFinish = 2057,     // "Fi&nish"
  kStrCreateAllExtensions = 2058,
  kStrNameExtensionsTitle = 2059,
  kStrDeleteSelected = 2060,   // "Delete the selected extensions?"
  kStrCreateOneExtension = 2089,
  kStrStyleBold = 2096,
  kStrStyleItalic = 2097,
  kStrStyleUnderline = 2098,
  kStrStyleStrikeout = 2099,
  kStrPointsSuffix = 2100,
  kStrOpenFilter = 4096,       // "Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||"
  kStrOpening = 4097,          // "Opening %1..."
  kStrCannotFind = 4098,       // "%1\nMirn cannot find this file."
  kStrCannotOpen = 4100,       // "%1\n\nMirn cannot open this file. …"
  kStrSaveFilter = 5120,       // "Mirn Database (*.mrb)|*.mrb||"
  kStrSaveChanges = 5122,      // "Save changes to %1?"
  kStrSaving = 5123,           // "Saving..."
  kStrNoLayoutTemplates = 6144,
  kStrCannotCreate = 6146,     // "Mirn could not create a new file. …"
  kStrCannotOpenAddOn = 6147,  // "%1\nMirn could not open an Add-On file. …"
  kStrIdTaken = 6148,          // "Cannot change '%1' to '%2' because …"
  kStrMissingAddOn = 6149,     // "%1\nCould not locate an Add-On file. …"
};

// The text of a numbered string in the language of the installed catalog (util/Catalog.h);
// empty for a number the table does not hold.
std::wstring LoadString(int id);

// Replaces "%1" … "%9" with the arguments in order ("%%" stays "%"), as the message
// formatting of the strings that take arguments expects.
std::wstring FormatString(const std::wstring& pattern, std::initializer_list<std::wstring> args);
// The same for UTF-8 texts (mirn-cli's messages).
std::string FormatString(const std::string& pattern, std::initializer_list<std::string> args);

}  // namespace mirn
