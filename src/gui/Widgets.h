#pragma once
// Naming of controls: every control carries its visible label, without the "&" mnemonic
// markers, as both object name and accessible name, so that assistive technology and
// automated desktop tests find it by what a person reads.

#include <QString>

class QLabel;
class QWidget;

namespace mirn {

// `label` without its mnemonic markers ("&Next Tip" → "Next Tip", "&&" → "&").
QString PlainText(const QString& label);

// Sets the object name and the accessible name of `widget` to PlainText(label).
void NameControl(QWidget* widget, const QString& label);
// A label whose text is live (a counter, a page number): the text is also its accessible
// name, so assistive technology hears it change.
void SetLiveText(QLabel* label, const QString& text);

}  // namespace mirn
