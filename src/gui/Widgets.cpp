#include "gui/Widgets.h"

#include <QLabel>
#include <QWidget>

#include "app/Mnemonics.h"
#include "qt/QtText.h"

namespace mirn {

QString PlainText(const QString& label) { return ToQString(WithoutMnemonics(FromQString(label))); }

void NameControl(QWidget* widget, const QString& label) {
  const QString name = PlainText(label);
  widget->setObjectName(name);
  widget->setAccessibleName(name);
}

void SetLiveText(QLabel* label, const QString& text) {
  label->setText(text);
  label->setAccessibleName(text);  // announces the change (a NameChanged event)
}

}  // namespace mirn
