#include "gui/CExtNameDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTreeWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {

CExtNameDlg::CExtNameDlg(MRBBase& db, Profile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile), entries_(ExtensionNameLines(db)) {
  setWindowTitle(tr("Insert Extension Name"));
  setObjectName(QStringLiteral("Insert Extension Name"));
  // Two columns stand for the list box's tab stops: the ID, then the name about 51 dialog
  // units in (a dialog unit is a quarter of the average character width).
  lines_ = new QTreeWidget;
  NameControl(lines_, tr("Extensions"));
  lines_->setColumnCount(2);
  lines_->setHeaderHidden(true);
  lines_->setRootIsDecorated(false);
  lines_->setColumnWidth(0, 51 * QFontMetrics(lines_->font()).averageCharWidth() / 4);
  for (const ExtensionNameLine& line : entries_) {
    const std::size_t tab = line.text.find(L'\t');
    auto* item = new QTreeWidgetItem(
        {ToQString(line.text.substr(0, tab)), ToQString(tab == std::wstring::npos ? L"" : line.text.substr(tab + 1))});
    lines_->addTopLevelItem(item);
  }
  if (lines_->topLevelItemCount() > 0) lines_->setCurrentItem(lines_->topLevelItem(0));

  auto* group = new QGroupBox(tr("Style"));
  auto* groupLayout = new QVBoxLayout(group);
  const QString labels[3] = {tr("&Normal"), tr("E&xt + Name"), tr("N&ame + Ext")};
  for (int i = 0; i < 3; ++i) {
    styles_[i] = new QRadioButton(labels[i]);
    NameControl(styles_[i], labels[i]);
    groupLayout->addWidget(styles_[i]);
  }
  styles_[LoadNameCodeStyle(profile_)]->setChecked(true);

  ok_ = new QPushButton(tr("OK"));
  NameControl(ok_, ok_->text());
  ok_->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"));
  NameControl(cancel, cancel->text());
  auto* more = new QPushButton(tr("&More Information..."));
  NameControl(more, more->text());
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(more, &QPushButton::clicked, this, [this] { ShowAbout(this); });
  connect(lines_, &QTreeWidget::itemSelectionChanged, this,
          [this] { ok_->setEnabled(!lines_->selectedItems().isEmpty()); });
  connect(lines_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
  ok_->setEnabled(!lines_->selectedItems().isEmpty());

  auto* side = new QVBoxLayout;
  side->addWidget(ok_);
  side->addWidget(cancel);
  side->addWidget(group);
  side->addWidget(more);
  side->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(lines_, 1);
  layout->addLayout(side);
  resize(460, 300);
}

void CExtNameDlg::accept() {
  int style = 0;
  for (int i = 0; i < 3; ++i) {
    if (styles_[i]->isChecked()) style = i;
  }
  const QList<QTreeWidgetItem*> selected = lines_->selectedItems();
  const int row = selected.isEmpty() ? -1 : lines_->indexOfTopLevelItem(selected.front());
  insertText_ = AcceptExtensionName(profile_, entries_, row, style);
  if (insertText_) {
    QDialog::accept();
  } else {
    reject();
  }
}

void CExtNameDlg::ShowAbout(QWidget* parent) {
  QDialog about(parent);
  about.setWindowTitle(tr("About Extension Name Codes"));
  about.setObjectName(QStringLiteral("About Extension Name Codes"));
  auto* text = new QLabel(tr("An extension name code shows the name of another extension on this label. The label always shows "
      "that extension's current name: when its name changes, every label that refers to it follows.\n\n"
      "Normal inserts the name alone. Ext + Name puts \"Ext.\" and the extension ID on one line and the name "
      "below it. Name + Ext puts the name first and \"Ext.\" and the ID below it."));
  text->setWordWrap(true);
  NameControl(text, tr("About Extension Name Codes"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  NameControl(buttons->button(QDialogButtonBox::Ok), tr("OK"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
  auto* layout = new QVBoxLayout(&about);
  layout->addWidget(text);
  layout->addWidget(buttons);
  about.setMinimumWidth(360);
  about.exec();
}

}  // namespace mirn
