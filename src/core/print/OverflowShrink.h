#pragma once
// The overflow question's Shrink to Fit: every overflowing field of a print job made smaller,
// in half points, with the label panel's shrink to fit (ShrinkToFit), measured on the canvas
// the overflow was found on. mirn-cli check --fix takes the same texts.

#include <string>
#include <vector>

#include "panel/EditHistory.h"
#include "panel/ShrinkToFit.h"
#include "print/PrintOverflow.h"

namespace mirn {

class Canvas;
class DDFLibrary;
class MRBBase;

struct ShrunkField {
  OverflowingField field;
  std::wstring before;  // the stored text
  ShrunkText shrunk;
};

// Each field's stored text shrunk until it fits on `canvas` (codes expanded as printing
// expands them); nothing is written. A field whose layout or object is gone, or whose text
// fits after all, is left out.
std::vector<ShrunkField> ShrinkOverflowingFields(const std::vector<OverflowingField>& fields, MRBBase& database,
                                                 DDFLibrary& library, Canvas& canvas);

// Writes the shrunk texts into the database; answers the written ones as one edit step (the
// label panel's one undo step), each change naming its extension.
EditStep StoreShrunkFields(const std::vector<ShrunkField>& shrunk, MRBBase& database);

}  // namespace mirn
