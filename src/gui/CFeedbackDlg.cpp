#include "gui/CFeedbackDlg.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <thread>

#include "util/StringTable.h"
#include "feedback/HttpClient.h"
#include "feedback/SupportRequest.h"
#include "gui/Widgets.h"
#include "platform/UserInterface.h"
#include "qt/QtText.h"

namespace mirn {

namespace {

// Runs `work` on a worker thread while this thread's events keep running; answers its result.
template <typename T>
T RunOffThread(std::function<T()> work) {
  QEventLoop loop;
  T result{};
  std::thread worker([&] {
    result = work();
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
  return result;
}

QLabel* ReadOnlyLine(QWidget* parent, QFormLayout* form, const QString& label, const std::wstring& text) {
  auto* value = new QLabel(ToQString(text), parent);
  value->setTextFormat(Qt::PlainText);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  NameControl(value, label);
  auto* caption = new QLabel(label, parent);
  NameControl(caption, label);
  caption->setObjectName(label + QStringLiteral(" label"));
  form->addRow(caption, value);
  return value;
}

QLineEdit* LimitedEdit(QWidget* parent, int limit) {
  auto* edit = new QLineEdit(parent);
  if (limit > 0) edit->setMaxLength(limit);
  return edit;
}

}  // namespace

CFeedbackDlg::CFeedbackDlg(SupportRequest& request, UserInterface& ui, HttpClientFactory makeClient, QWidget* parent)
    : QDialog(parent), request_(request), ui_(ui), makeClient_(std::move(makeClient)) {
  setObjectName(QStringLiteral("Support Request"));
  setAccessibleName(tr("Support Request"));
  setWindowTitle(tr("Support Request"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  name_ = LimitedEdit(this, kSupportFieldLimit);
  email_ = LimitedEdit(this, kSupportFieldLimit);
  summary_ = LimitedEdit(this, 0);
  details_ = new QPlainTextEdit(this);
  details_->setTabChangesFocus(true);

  auto* fields = new QVBoxLayout;
  auto addField = [this, fields](const QString& text, QWidget* field) {
    auto* label = new QLabel(text, this);
    label->setBuddy(field);
    NameControl(label, text);
    label->setObjectName(PlainText(text) + QStringLiteral(" label"));
    NameControl(field, text);
    fields->addWidget(label);
    fields->addWidget(field);
  };
  addField(tr("Your name:"), name_);
  addField(tr("&Your e-mail address:"), email_);
  addField(tr("&One-sentence problem summary or question:"), summary_);
  addField(tr("&Details about the problem or question:"), details_);

  auto* form = new QFormLayout;
  const ProgramLines& lines = request_.Lines();
  version_ = ReadOnlyLine(this, form, tr("Program Version:"), lines.version);
  programType_ = ReadOnlyLine(this, form, tr("Program Type:"), lines.programType);
  os_ = ReadOnlyLine(this, form, tr("Operating System:"), lines.osCaption);
  systemType_ = ReadOnlyLine(this, form, tr("System Type:"), lines.systemType);

  auto* buttons = new QDialogButtonBox(this);
  send_ = buttons->addButton(tr("&Send Support Request"), QDialogButtonBox::AcceptRole);
  send_->setDefault(true);
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  for (QAbstractButton* b : buttons->buttons()) NameControl(b, b->text());
  connect(send_, &QPushButton::clicked, this, &CFeedbackDlg::Send);
  connect(cancel, &QPushButton::clicked, this, &CFeedbackDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addSpacing(8);
  layout->addLayout(form);
  layout->addWidget(buttons);
  resize(520, 460);
  name_->setFocus();
}

bool CFeedbackDlg::CheckConnection() {
  if (!request_.EndpointProtected()) return false;
  // The small window blocks the other windows while it shows, so that no command runs
  // in the middle of the check.
  QDialog checking(parentWidget());
  checking.setObjectName(QStringLiteral("Checking Internet connection"));
  checking.setWindowTitle(ToQString(LoadString(kStrAppTitle)));
  checking.setWindowModality(Qt::ApplicationModal);
  auto* text = new QLabel(tr("Checking Internet connection..."), &checking);
  NameControl(text, text->text());
  auto* layout = new QVBoxLayout(&checking);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->addWidget(text);
  checking.show();

  std::shared_ptr<HttpClient> client = makeClient_();
  const std::string url = request_.Settings().ticketEndpoint;
  const bool reachable = RunOffThread<bool>([client, url] { return Reachable(*client, url); });
  checking.close();
  return request_.ServerChecked(reachable);
}

void CFeedbackDlg::Send() {
  if (busy_) return;
  const SupportFields fields{FromQString(name_->text()), FromQString(email_->text()), FromQString(summary_->text()),
                             FromQString(details_->toPlainText())};
  HttpPost post;
  const SupportField problem = request_.Prepare(fields, post);
  if (problem != SupportField::kNone) {
    Focus(problem);
    return;
  }
  HttpResult result;
  {
    busy_ = true;
    setEnabled(false);
    WaitCursor wait(ui_);
    std::shared_ptr<HttpClient> client = makeClient_();
    result = RunOffThread<HttpResult>([client, post] {
      try {
        return client->Post(post);
      } catch (const std::exception&) {
        return HttpResult{HttpResult::Kind::kNotSent, 0, 0, {}};
      }
    });
    busy_ = false;
  }
  if (request_.Finish(result)) {
    accept();
    return;
  }
  // After a failed submission the person may correct and send again, or cancel.
  setEnabled(true);
  send_->setFocus();
}

void CFeedbackDlg::Focus(SupportField field) {
  switch (field) {
    case SupportField::kName:
      name_->setFocus();
      break;
    case SupportField::kEmail:
      email_->setFocus();
      email_->selectAll();
      break;
    case SupportField::kSummary:
      summary_->setFocus();
      break;
    case SupportField::kNone:
      break;
  }
}

void CFeedbackDlg::reject() {
  if (!busy_) QDialog::reject();
}

void CFeedbackDlg::closeEvent(QCloseEvent* event) {
  if (busy_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace mirn
