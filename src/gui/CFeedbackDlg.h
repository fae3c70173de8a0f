#pragma once
// The "Support Request" dialog: name, e-mail address, a one-sentence summary and details,
// the four read-only lines about the program and the machine, and "Send Support Request".
// The requests run on a worker thread, so the window keeps painting: the check that the
// server answers behind a small "Checking Internet connection..." window, and the ticket
// itself with the dialog disabled and the wait cursor shown.

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mirn {

class HttpClient;
class SupportRequest;
class UserInterface;
enum class SupportField;

using HttpClientFactory = std::function<std::unique_ptr<HttpClient>()>;

class CFeedbackDlg : public QDialog {
  Q_OBJECT

 public:
  CFeedbackDlg(SupportRequest& request, UserInterface& ui, HttpClientFactory makeClient, QWidget* parent = nullptr);

  // Asks whether the ticket server answers, showing the checking window meanwhile; false
  // (after the explanation) when it does not, and the dialog should not open.
  bool CheckConnection();

  // Whether a request is running (the dialog is disabled meanwhile).
  bool Busy() const { return busy_; }

  QLineEdit* NameEdit() const { return name_; }
  QLineEdit* EmailEdit() const { return email_; }
  QLineEdit* SummaryEdit() const { return summary_; }
  QPlainTextEdit* DetailsEdit() const { return details_; }
  QPushButton* SendButton() const { return send_; }

 public Q_SLOTS:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Send();
  void Focus(SupportField field);

  SupportRequest& request_;
  UserInterface& ui_;
  HttpClientFactory makeClient_;
  QLineEdit* name_ = nullptr;
  QLineEdit* email_ = nullptr;
  QLineEdit* summary_ = nullptr;
  QPlainTextEdit* details_ = nullptr;
  QPushButton* send_ = nullptr;
  QLabel* version_ = nullptr;
  QLabel* programType_ = nullptr;
  QLabel* os_ = nullptr;
  QLabel* systemType_ = nullptr;
  bool busy_ = false;
};

}  // namespace mirn
