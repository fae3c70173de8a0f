#pragma once
// Save as the designer does it: the layout's errors are told and nothing is written; its
// warnings are told with the question whether to save anyway; a type code that another file
// of the library holds is asked about: save as a new type code (the first free one) or
// replace mine (the user's file of that code wins over the other).

#include "layouts/LayoutSaving.h"

namespace mirn {

class UserInterface;

// The type code question's buttons are Yes ("Save as New Type Code"), No ("Replace Mine")
// and Cancel.
LayoutSaveResult SaveLayoutAsking(LayoutDocument& document, DDFLibrary& library, UserInterface& ui);

// Before the designer closes: a changed layout is offered for saving (Yes saves as above,
// No drops the changes, Cancel keeps the designer open). True when it may close.
bool MayCloseLayout(LayoutDocument& document, DDFLibrary& library, UserInterface& ui);

}  // namespace mirn
