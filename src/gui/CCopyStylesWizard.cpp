#include "gui/CCopyStylesWizard.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "gui/ExtensionListView.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

// Row 0 of the style list is "Everything"; row k + 1 is style kind k.
constexpr int kEverythingRow = 0;

}  // namespace

CCopyStylesWizard::CCopyStylesWizard(MRBBase& db, DDFLibrary& library, UserInterface& ui, QWidget* parent)
    : QDialog(parent), db_(db), model_(db, library, ui) {
  setWindowTitle(tr("Copy Styles"));
  setObjectName("CopyStylesWizard");
  setAccessibleName(tr("Copy Styles"));
  auto* layout = new QVBoxLayout(this);
  heading_ = new QLabel(this);
  heading_->setObjectName("StepHeading");
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  layout->addWidget(heading_);
  auto* instructionsTitle = new QLabel(tr("Instructions:"), this);
  NameControl(instructionsTitle, instructionsTitle->text());
  layout->addWidget(instructionsTitle);
  instructions_ = new QLabel(this);
  instructions_->setObjectName("Instructions");
  instructions_->setWordWrap(true);
  instructions_->setMinimumWidth(460);
  layout->addWidget(instructions_);

  pages_ = new QStackedWidget(this);
  pages_->addWidget(new QWidget(this));
  source_ = new ExtensionListView(db, library, false, this);
  NameControl(source_, tr("Copy from"));
  source_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const auto& id : db.Extensions()) source_->AddRow(id, true);
  pages_->addWidget(source_);
  destinations_ = new ExtensionListView(db, library, false, this);
  NameControl(destinations_, tr("Copy to"));
  auto* selectAll = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Slash), destinations_);
  selectAll->setContext(Qt::WidgetShortcut);
  connect(selectAll, &QShortcut::activated, destinations_, &QAbstractItemView::selectAll);
  pages_->addWidget(destinations_);
  styles_ = new QListWidget(this);
  NameControl(styles_, tr("Styles"));
  auto* everything = new QListWidgetItem(tr("Everything"), styles_);
  everything->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
  everything->setCheckState(Qt::Unchecked);
  for (int k = 0; k < kStyleKindCount; ++k) {
    auto* item = new QListWidgetItem(ToQString(StyleKindName(static_cast<StyleKind>(k))), styles_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  connect(styles_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) { OnStyleChanged(styles_->row(item)); });
  pages_->addWidget(styles_);
  pages_->addWidget(MakeSummaryPage());
  layout->addWidget(pages_, 1);

  auto* buttons = new QDialogButtonBox(this);
  back_ = buttons->addButton(tr("< &Back"), QDialogButtonBox::ActionRole);
  NameControl(back_, back_->text());
  next_ = buttons->addButton(tr("&Next >"), QDialogButtonBox::ActionRole);
  next_->setDefault(true);
  auto* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  NameControl(cancel, cancel->text());
  connect(back_, &QPushButton::clicked, this, &CCopyStylesWizard::GoBack);
  connect(next_, &QPushButton::clicked, this, &CCopyStylesWizard::GoNext);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(560, 440);
  ShowPage();
}

QWidget* CCopyStylesWizard::MakeSummaryPage() {
  summary_ = new QLabel(this);
  summary_->setObjectName("Summary");
  summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  summary_->setTextFormat(Qt::PlainText);
  summary_->setWordWrap(true);
  return summary_;
}

void CCopyStylesWizard::OnStyleChanged(int row) {
  if (syncingStyles_) return;
  syncingStyles_ = true;
  // "Everything" ticks or clears all kinds; the kinds together tick "Everything".
  if (row == kEverythingRow) {
    const Qt::CheckState state = styles_->item(kEverythingRow)->checkState();
    for (int r = 1; r < styles_->count(); ++r) styles_->item(r)->setCheckState(state);
  } else {
    bool all = true;
    for (int r = 1; r < styles_->count(); ++r) all = all && styles_->item(r)->checkState() == Qt::Checked;
    styles_->item(kEverythingRow)->setCheckState(all ? Qt::Checked : Qt::Unchecked);
  }
  syncingStyles_ = false;
}

void CCopyStylesWizard::TakeChoices() {
  switch (model_.CurrentPage()) {
    case CopyStylesWizard::kSourcePage: {
      const auto ids = source_->SelectedIds();
      model_.SelectSource(ids.empty() ? std::optional<std::wstring>() : ids.front());
      break;
    }
    case CopyStylesWizard::kDestinationPage:
      model_.SelectDestinations(destinations_->SelectedIds());
      break;
    case CopyStylesWizard::kStylesPage: {
      StyleSet styles;
      for (int k = 0; k < kStyleKindCount; ++k) {
        if (styles_->item(k + 1)->checkState() == Qt::Checked) styles.Add(static_cast<StyleKind>(k));
      }
      model_.SelectStyles(styles);
      break;
    }
    default:
      break;
  }
}

void CCopyStylesWizard::GoNext() {
  if (model_.CurrentPage() == CopyStylesWizard::kReadyPage) {
    outcome_ = model_.Finish();
    accept();
    return;
  }
  TakeChoices();
  const int before = model_.CurrentPage();
  if (!model_.Next()) return;
  if (before == CopyStylesWizard::kSourcePage) {
    // The destination page offers the source's layout, the source left out.
    const auto kept = model_.Destinations();
    destinations_->Clear();
    for (const auto& id : model_.DestinationChoices()) destinations_->AddRow(id, true);
    destinations_->SelectIds({kept.begin(), kept.end()});
  }
  ShowPage();
}

void CCopyStylesWizard::GoBack() {
  TakeChoices();
  model_.Back();
  ShowPage();
}

void CCopyStylesWizard::ShowPage() {
  const int page = model_.CurrentPage();
  heading_->setText(ToQString(CopyStylesWizard::StepHeading(page)));
  instructions_->setText(ToQString(model_.Instructions(page)));
  pages_->setCurrentIndex(page);
  back_->setEnabled(page > CopyStylesWizard::kIntroPage);
  if (page == CopyStylesWizard::kStylesPage) {
    next_->setText(tr("&Finish"));
  } else if (page == CopyStylesWizard::kReadyPage) {
    next_->setText(tr("&Copy"));
  } else {
    next_->setText(tr("&Next >"));
  }
  NameControl(next_, next_->text());
  if (page == CopyStylesWizard::kReadyPage) {
    const auto s = model_.Summary();
    summary_->setText(tr("Copy from:\t%1 (%2) %3\nCopy to:\t%4\nStyles:\t%5")
                          .arg(ToQString(s.sourceId), ToQString(s.sourceLayout), ToQString(s.sourceName),
                               ToQString(s.destination), ToQString(s.styles)));
  }
  if (QWidget* current = pages_->currentWidget(); page != CopyStylesWizard::kIntroPage && page != CopyStylesWizard::kReadyPage) {
    current->setFocus();
  }
}

}  // namespace mirn
