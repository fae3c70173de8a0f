// The freedesktop notifier against a notification service of the test's own, on a private
// session bus started for the test (so the desktop's own bus and service are never used).

#include "qt/FreedesktopNotifier.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <mutex>

#include "app/AppNotify.h"
#include "platform/GntpNotifier.h"
#include "platform/NotifierChain.h"
#include "platform/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

// A session bus of the test's own with no activatable services, so "no notification
// service" really means none.
class PrivateBus {
 public:
  PrivateBus() {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
      reason_ = "dbus-daemon is not installed";
      return;
    }
    const std::filesystem::path config = dir_ / "bus.conf";
    test::WriteFile(config,
                    "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                    " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                    "<busconfig><type>session</type><listen>unix:dir=" +
                        dir_.Path().string() +
                        "</listen><auth>EXTERNAL</auth>"
                        "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                        "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
    process_.setProgram(daemon);
    process_.setArguments({QStringLiteral("--config-file=") + QString::fromStdString(config.string()),
                           QStringLiteral("--print-address"), QStringLiteral("--nofork")});
    process_.start();
    if (!process_.waitForStarted(5000)) {
      reason_ = "dbus-daemon did not start: " + process_.errorString().toStdString();
      return;
    }
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    address_ = QString::fromUtf8(process_.readLine()).trimmed();
    if (address_.isEmpty()) reason_ = "dbus-daemon printed no address: " + process_.readAllStandardError().toStdString();
  }
  ~PrivateBus() {
    process_.kill();
    process_.waitForFinished(5000);
  }

  bool Running() const { return reason_.empty(); }
  const std::string& Reason() const { return reason_; }

  // A new connection to the bus under its own connection name.
  QDBusConnection Connect(const QString& name) {
    names_ << name;
    return QDBusConnection::connectToBus(address_, name);
  }
  void DisconnectAll() {
    for (const QString& name : names_) QDBusConnection::disconnectFromBus(name);
    names_.clear();
  }

 private:
  test::TempDir dir_;
  QProcess process_;
  QString address_;
  QStringList names_;
  std::string reason_;
};

struct NotifyCall {
  QString app;
  uint replacesId = 0;
  QString icon;
  QString summary;
  QString body;
  QStringList actions;
  QVariantMap hints;
  int expireTimeout = 0;
};

// Answers Notify like a notification daemon and records each call. It lives on a thread of
// its own because the notifier's call blocks the test's thread until the answer comes.
class FakeNotificationService final : public QDBusVirtualObject {
 public:
  QString introspect(const QString&) const override { return {}; }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.interface() != kService || message.member() != QStringLiteral("Notify")) return false;
    const QList<QVariant> a = message.arguments();
    if (a.size() != 8) {
      connection.send(message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("eight arguments")));
      return true;
    }
    NotifyCall call{a[0].toString(), a[1].toUInt(), a[2].toString(), a[3].toString(), a[4].toString(),
                    a[5].toStringList(), qdbus_cast<QVariantMap>(a[6]), a[7].toInt()};
    uint id = 0;
    {
      std::lock_guard lock(mutex_);
      calls_.push_back(call);
      id = static_cast<uint>(calls_.size());
    }
    connection.send(message.createReply(QVariant::fromValue(id)));
    return true;
  }
  std::vector<NotifyCall> Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<NotifyCall> calls_;
};

class FreedesktopNotifierTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!bus_.Running()) GTEST_SKIP() << "no private session bus: " << bus_.Reason();
    thread_.start();
  }
  void TearDown() override {
    if (service_ != nullptr) {
      serviceBus_.unregisterObject(kPath);
      serviceBus_.unregisterService(kService);
    }
    bus_.DisconnectAll();
    thread_.quit();
    thread_.wait();
    delete service_;
  }

  // Puts the fake notification service on the bus.
  void StartService() {
    serviceBus_ = bus_.Connect(QStringLiteral("mirn-test-service"));
    ASSERT_TRUE(serviceBus_.isConnected());
    service_ = new FakeNotificationService;
    service_->moveToThread(&thread_);
    ASSERT_TRUE(serviceBus_.registerVirtualObject(kPath, service_));
    ASSERT_TRUE(serviceBus_.registerService(kService));
  }
  void StopService() {
    serviceBus_.unregisterService(kService);
    serviceBus_.unregisterObject(kPath);
  }
  QDBusConnection ClientBus() { return bus_.Connect(QStringLiteral("mirn-test-client")); }

  PrivateBus bus_;
  QThread thread_;
  QDBusConnection serviceBus_{QStringLiteral("none")};
  FakeNotificationService* service_ = nullptr;
};

// A loopback port on which nothing listens: a GNTP listener that is not there.
std::string UnusedPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(fd);
  return std::to_string(ntohs(address.sin_port));
}

TEST_F(FreedesktopNotifierTest, NotifyCarriesTheNotificationToTheService) {
  StartService();
  FreedesktopNotifier notifier(ClientBus(), QStringLiteral("Mirn"));
  ASSERT_TRUE(notifier.Enabled());

  // A title outside ASCII and outside Windows-1252 must arrive as the same characters.
  const std::wstring title = L"Import complete: \u0141\u00f3d\u017a \u2013 \u65e5\u672c";
  EXPECT_TRUE(notifier.Notify(L"import_complete", title, L"12 extensions", false));
  EXPECT_TRUE(notifier.Notify(L"feedback_sent", L"Sent", L"", true));

  const std::vector<NotifyCall> calls = service_->Calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].app, QStringLiteral("Mirn"));
  EXPECT_EQ(calls[0].replacesId, 0u);
  EXPECT_EQ(calls[0].summary.toUtf8(),
            QByteArray("Import complete: \xC5\x81\xC3\xB3" "d\xC5\xBA \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC"));
  EXPECT_EQ(calls[0].body, QStringLiteral("12 extensions"));
  EXPECT_TRUE(calls[0].actions.isEmpty());
  EXPECT_EQ(calls[0].hints.value(QStringLiteral("x-mirn-notification")).toString(), QStringLiteral("import_complete"));
  EXPECT_EQ(calls[0].expireTimeout, -1) << "an ordinary notification expires as the desktop decides";
  EXPECT_EQ(calls[1].expireTimeout, 0) << "a sticky notification never expires";
  EXPECT_TRUE(notifier.Enabled());
}

TEST_F(FreedesktopNotifierTest, ServiceThatWentAwayTurnsTheNotifierOff) {
  StartService();
  FreedesktopNotifier notifier(ClientBus(), QStringLiteral("Mirn"));
  ASSERT_TRUE(notifier.Enabled());
  StopService();
  EXPECT_FALSE(notifier.Notify(L"export_complete", L"Export complete", L"", false));
  EXPECT_FALSE(notifier.Enabled());
  EXPECT_FALSE(notifier.Notify(L"export_complete", L"Export complete", L"", false));
}

// The program's chain: GNTP first, the freedesktop service when no GNTP listener is there,
// and the message box only where the caller asks for it and neither service exists.
TEST_F(FreedesktopNotifierTest, ChainFallsFromGntpToFreedesktopToMessageBox) {
  StartService();
  GntpNotifier gntp("127.0.0.1", UnusedPort());
  gntp.SetEnabled(true);
  FreedesktopNotifier freedesktop(ClientBus(), QStringLiteral("Mirn"));
  NotifierChain chain;
  chain.Add(gntp);
  chain.Add(freedesktop);
  ScriptedUserInterface ui;

  AppNotify(&chain, ui, L"import_complete", L"Imported 3 extensions", false, true);
  EXPECT_FALSE(gntp.Enabled()) << "a refused connection turns GNTP off";
  ASSERT_EQ(service_->Calls().size(), 1u);
  EXPECT_EQ(service_->Calls()[0].summary, QStringLiteral("Imported 3 extensions"));
  EXPECT_TRUE(service_->Calls()[0].body.isEmpty());
  EXPECT_TRUE(ui.messages.empty()) << "a delivered notification needs no message box";

  // Both services gone: only a caller asking for the fallback shows the message.
  StopService();
  AppNotify(&chain, ui, L"export_complete", L"Exported 3 extensions", false, true);
  ASSERT_EQ(ui.messages.size(), 1u) << "the report is not lost with the service";
  EXPECT_EQ(ui.messages[0].text, L"Exported 3 extensions");
  EXPECT_EQ(ui.messages[0].style & mb::kIconMask, mb::kIconInformation);
  EXPECT_FALSE(chain.Enabled());

  AppNotify(&chain, ui, L"new_templates", L"Registered 2 new layouts", false, false);
  AppNotify(&chain, ui, L"feedback_sent", L"Your feedback has been sent. Thank you.", false, true);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, L"Your feedback has been sent. Thank you.");
}

TEST_F(FreedesktopNotifierTest, BusWithoutTheServiceLeavesTheNotifierOff) {
  FreedesktopNotifier notifier(ClientBus(), QStringLiteral("Mirn"));
  EXPECT_FALSE(notifier.Enabled());
  EXPECT_FALSE(notifier.Notify(L"import_complete", L"Import complete", L"", false));

  GntpNotifier gntp("127.0.0.1", UnusedPort());
  gntp.SetEnabled(true);
  NotifierChain chain;
  chain.Add(gntp);
  chain.Add(notifier);
  ScriptedUserInterface ui;
  AppNotify(&chain, ui, L"new_templates", L"Registered 2 new layouts", false, false);
  EXPECT_TRUE(ui.messages.empty()) << "start-up asks for no fallback";
  AppNotify(&chain, ui, L"import_complete", L"Imported 1 extension", false, true);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, L"Imported 1 extension");
}

}  // namespace
}  // namespace mirn
