#pragma once
// Desktop notifications through the freedesktop notification service
// (org.freedesktop.Notifications on the session bus), which most Linux desktops run.

#include <QDBusConnection>
#include <QString>

#include "platform/Notifier.h"

namespace mirn {

class FreedesktopNotifier final : public Notifier {
 public:
  // Looks for the service once on the session bus; without a session bus or the service it
  // stays off.
  explicit FreedesktopNotifier(QString applicationName = QStringLiteral("Mirn"));
  // The same on a given bus connection (a private bus in tests).
  FreedesktopNotifier(QDBusConnection bus, QString applicationName);

  bool Enabled() const override { return enabled_; }
  // The notification's summary is the title, its body the text; a call the service does not
  // answer turns the notifier off for the rest of the run.
  bool Notify(const std::wstring& name, const std::wstring& title, const std::wstring& text,
              bool sticky) override;

 private:
  QDBusConnection bus_;
  QString applicationName_;
  bool enabled_ = false;
};

}  // namespace mirn
