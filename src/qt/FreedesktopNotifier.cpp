#include "qt/FreedesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

#include "qt/QtText.h"

namespace mirn {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr int kCallTimeoutMs = 2000;

}  // namespace

FreedesktopNotifier::FreedesktopNotifier(QString applicationName)
    : FreedesktopNotifier(QDBusConnection::sessionBus(), std::move(applicationName)) {}

FreedesktopNotifier::FreedesktopNotifier(QDBusConnection bus, QString applicationName)
    : bus_(std::move(bus)), applicationName_(std::move(applicationName)) {
  if (!bus_.isConnected() || bus_.interface() == nullptr) return;
  // The service may be started on demand by the bus, so an activatable name counts too.
  const QStringList activatable = bus_.interface()->activatableServiceNames();
  enabled_ = bus_.interface()->isServiceRegistered(kService).value() || activatable.contains(kService);
}

bool FreedesktopNotifier::Notify(const std::wstring& name, const std::wstring& title, const std::wstring& text,
                                 bool sticky) {
  if (!enabled_) return false;
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
  QVariantMap hints;
  hints.insert(QStringLiteral("x-mirn-notification"), ToQString(name));
  call << applicationName_ << 0u << QString() << ToQString(title) << ToQString(text) << QStringList() << hints
       << (sticky ? 0 : -1);
  const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
  if (reply.type() == QDBusMessage::ReplyMessage) return true;
  enabled_ = false;
  return false;
}

}  // namespace mirn
