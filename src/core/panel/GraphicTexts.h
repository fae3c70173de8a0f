#pragma once
// The texts the picture properties dialogs show: sizes in the user's units, where a linked
// picture was found, and the filter of the dialog that saves a copy of an embedded picture.

#include <string>

namespace mirn {

struct MRBGraphic;

// True when the user's locale measures in the metric system (LC_MEASUREMENT, from the
// environment as the C library reads it); false for the U.S. system.
bool LocaleUsesMetric();

// "25.4 x 12.7 mm" (twips ÷ 1440 × 25.4, one decimal) or "1.00 x 0.50 in" (two decimals),
// with the locale's decimal separator ("25,4 x 12,7 mm" under de_DE).
std::wstring GraphicSizeText(int widthTwips, int heightTwips, bool metric, wchar_t decimalPoint = L'.');

// A pixel size taken to twips at the screen's pixels per inch.
int PixelsToTwips(int pixels, int pixelsPerInch);

// What the linked-picture dialog says of where the picture was found: the path it was
// found under, "(same)" when that is the stored name, "(not found)" when it is nowhere.
std::wstring FoundPathText(const std::wstring& storedName, const std::wstring& foundPath);

// What assistive technology is told of a picture window: its name is the picture's file name
// (the name it was embedded under for an embedded one), or "Picture N" when there is none;
// the description says how it is kept, whether it is locked and whether it could be read.
std::wstring GraphicAccessibleName(const MRBGraphic& record, int slot);
std::wstring GraphicAccessibleDescription(const MRBGraphic& record, bool readable);

// The filter of the save-copy dialog: "Portable Network Graphics (PNG)|*.png|All Files (*.*)|*.*||".
std::wstring SaveCopyFilter(const std::wstring& formatName, const std::wstring& extension);

}  // namespace mirn
