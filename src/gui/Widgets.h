#pragma once
// Naming of controls: every control carries its visible label, without the "&" mnemonic
// markers, as both object name and accessible name, so that assistive technology and
// automated desktop tests find it by what a person reads.

#include <QString>

class QWidget;

namespace mirn {

// `label` without its mnemonic markers ("&Next Tip" → "Next Tip", "&&" → "&").
QString PlainText(const QString& label);

// Sets the object name and the accessible name of `widget` to PlainText(label).
void NameControl(QWidget* widget, const QString& label);

}  // namespace mirn
