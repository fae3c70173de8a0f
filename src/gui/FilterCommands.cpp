#include "gui/FilterCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QProcess>
#include <QProcessEnvironment>
#include <QWidget>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/DocumentController.h"
#include "app/ImportFilters.h"
#include "app/PrintAfterImport.h"
#include "gui/CommandRegistry.h"
#include "gui/ExchangeCommands.h"
#include "gui/PrintAllLabels.h"
#include "gui/Widgets.h"
#include "db/WorkFiles.h"
#include "platform/Launcher.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

// Starts filter programs as their own processes (never through a shell), tells them the
// filter socket in MIRN_FILTER_SOCKET, and reports when one ends.
class FilterRunner final : public QObject, public Launcher {
 public:
  FilterRunner(QObject* parent, std::function<void()> ended, std::function<void(const FilterMessage&)> message)
      : QObject(parent), ended_(std::move(ended)), message_(std::move(message)) {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &FilterRunner::Accept);
  }

  bool Start(const std::filesystem::path& program, const std::vector<std::string>& arguments) override {
    // The socket opens with the first filter run, not at start-up: most runs use no filter.
    // Sockets left by a program that was killed are swept by the next start (RemoveStaleWorkFiles).
    if (!server_->isListening()) {
      server_->listen(QString::fromStdString(
          FilterSocketName(QString::number(reinterpret_cast<quintptr>(this), 16).toStdString())));
    }
    auto* process = new QProcess(this);
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (server_->isListening()) environment.insert(QStringLiteral("MIRN_FILTER_SOCKET"), server_->fullServerName());
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setProgram(PathToQString(program));
    process->setArguments(args);
    connect(process, &QProcess::finished, this, [this, process] {
      process->deleteLater();
      ended_();
    });
    process->start();
    if (!process->waitForStarted(5000)) {
      delete process;
      return false;
    }
    return true;
  }

 private:
  void Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        while (socket->canReadLine()) {
          if (auto m = ParseFilterMessage(socket->readLine(256).toStdString())) message_(*m);
        }
      });
    }
  }

  QLocalServer* server_ = nullptr;
  std::function<void()> ended_;
  std::function<void(const FilterMessage&)> message_;
};

}  // namespace

class FilterCommands final : public QObject {
 public:
  FilterCommands(CommandRegistry& frame, std::vector<ImportFilter> filters) : QObject(&frame.Window()), frame_(frame) {
    runner_ = new FilterRunner(
        this,
        [this] {
          controller_->ProgramEnded();
          frame_.UpdateCommandStates();
        },
        [this](const FilterMessage& m) {
          if (m.kind == FilterMessage::Kind::kFilterDone) {
            Done();
          } else {
            controller_->ConversionDone(m.code);
          }
        });
    AppServices& s = frame.Services();
    controller_ = std::make_unique<ImportFilterController>(s.ui, *runner_, std::move(filters),
                                                           [&s] { s.document.RefreshStatusText(); });
    controller_->SetLowerMainWindow([this] { frame_.Window().lower(); });
    PrintAfterImportHooks hooks;
    hooks.runPendingEvents = [] {
      QCoreApplication::processEvents();
      return !QCoreApplication::closingDown();
    };
    hooks.printExtensions = [this](const std::vector<std::wstring>& ids) { return PrintAllLabels(frame_, ids); };
    // The window is deleted later (if at all), so closing from inside its own report is safe.
    hooks.closeMainWindow = [this] { frame_.Window().close(); };
    printAfterImport_ = std::make_unique<PrintAfterImport>(s.document, std::move(hooks));
    controller_->SetPrintAfterImport(printAfterImport_.get());
  }

  ImportFilterController& Controller() { return *controller_; }
  PrintAfterImport& AfterImport() { return *printAfterImport_; }

  void Configure(size_t index) {
    controller_->SetWindowId(static_cast<unsigned long long>(frame_.Window().winId()));
    controller_->Configure(index);
  }

  void Done() {
    controller_->FilterDone();
    frame_.UpdateCommandStates();
  }

 private:
  CommandRegistry& frame_;
  FilterRunner* runner_ = nullptr;
  std::unique_ptr<ImportFilterController> controller_;
  std::unique_ptr<PrintAfterImport> printAfterImport_;
};

FilterCommands& InstallFilterCommands(CommandRegistry& frame, ExchangeCommands& exchange) {
  return InstallFilterCommands(frame, exchange, ScanImportFilters(ImportFilterFolders(frame.Services().folders)));
}

FilterCommands& InstallFilterCommands(CommandRegistry& frame, ExchangeCommands& exchange, std::vector<ImportFilter> filters) {
  auto* commands = new FilterCommands(frame, std::move(filters));
  const std::vector<ImportFilter>& list = commands->Controller().Filters();
  for (size_t i = 0; i < list.size(); ++i) {
    const int n = static_cast<int>(i);
    frame.SetCommandHandler(cmd::kConfigureFilterFirst + n, [commands, i] { commands->Configure(i); });
  }
  SetImportMenuExtender(exchange, [commands, &frame](QMenu* import, QMenu* configure) {
    const std::vector<ImportFilter>& filters = commands->Controller().Filters();
    for (size_t i = 0; i < filters.size(); ++i) {
      const QString text = ToQString(filters[i].description);
      // Importing through a filter is the filter program's own business: the entry is shown
      // and disabled.
      QAction* importEntry = import->addAction(text);
      importEntry->setObjectName(text);
      importEntry->setEnabled(false);
      QAction* configureEntry = configure->addAction(text);
      configureEntry->setObjectName(text);
      const int id = cmd::kConfigureFilterFirst + static_cast<int>(i);
      QObject::connect(configureEntry, &QAction::triggered, &frame.Window(), [&frame, id] { frame.RunCommand(id); });
    }
  });
  return *commands;
}

ImportFilterController& FilterControllerOf(FilterCommands& commands) { return commands.Controller(); }

PrintAfterImport& PrintAfterImportOf(FilterCommands& commands) { return commands.AfterImport(); }

}  // namespace mirn
