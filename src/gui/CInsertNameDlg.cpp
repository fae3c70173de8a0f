#include "gui/CInsertNameDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "db/MRBBase.h"
#include "gui/Widgets.h"
#include "panel/CodeInsertion.h"
#include "platform/Profile.h"
#include "platform/UserInterface.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

constexpr std::wstring_view kPreferences = L"Preferences";
constexpr std::wstring_view kStyleKey = L"Insert Name Code Style";
const std::wstring kAboutNameCodes =
    L"A name code shows the name of another extension on this label. The label keeps the code, "
    L"not the name: when that extension's name changes, every label that names it shows the new "
    L"name the next time it is drawn or printed. If the extension is deleted, the code shows "
    L"nothing.";

}  // namespace

CInsertNameDlg::CInsertNameDlg(MRBBase& db, Profile& profile, UserInterface& ui, QWidget* parent)
    : QDialog(parent), profile_(profile), ui_(ui) {
  setObjectName("InsertExtensionName");
  setAccessibleName(tr("Insert Extension Name"));
  setWindowTitle(tr("Insert Extension Name"));
  auto* layout = new QVBoxLayout(this);
  list_ = new QTreeWidget(this);
  NameControl(list_, tr("Extensions"));
  list_->setHeaderLabels({tr("ID"), tr("Name")});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  std::wstring after, id;
  while (db.GetNextExtension(after, id)) {
    auto* item = new QTreeWidgetItem(list_, {ToQString(id), ToQString(db.GetName(id))});
    item->setData(0, Qt::UserRole, ToQString(id));
    after = id;
  }
  layout->addWidget(list_);

  auto* box = new QGroupBox(tr("Style"), this);
  auto* boxLayout = new QVBoxLayout(box);
  styles_ = new QButtonGroup(this);
  const QString labels[] = {tr("&Normal"), tr("E&xt + Name"), tr("N&ame + Ext")};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(labels[i], box);
    NameControl(radio, labels[i]);
    styles_->addButton(radio, i);
    boxLayout->addWidget(radio);
  }
  const int style = std::clamp(profile_.GetInt(kPreferences, kStyleKey, 0), 0, 2);
  styles_->button(style)->setChecked(true);
  layout->addWidget(box);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* more = buttons->addButton(tr("&More Information..."), QDialogButtonBox::HelpRole);
  NameControl(more, more->text());
  connect(more, &QPushButton::clicked, this,
          [this] { ui_.Message(kAboutNameCodes, mb::kIconInformation, L"About Extension Name Codes"); });
  connect(buttons, &QDialogButtonBox::accepted, this, &CInsertNameDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, &CInsertNameDlg::accept);
  layout->addWidget(buttons);
  resize(420, 360);
}

void CInsertNameDlg::accept() {
  const QTreeWidgetItem* item = list_->currentItem();
  if (!item || !item->isSelected()) {
    reject();  // OK without an extension is Cancel
    return;
  }
  const int style = styles_->checkedId();
  profile_.WriteInt(kPreferences, kStyleKey, style);
  code_ = OtherNameCode(static_cast<NameCodeStyle>(style), FromQString(item->data(0, Qt::UserRole).toString()));
  QDialog::accept();
}

}  // namespace mirn
