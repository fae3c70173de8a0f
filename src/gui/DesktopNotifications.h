#pragma once
// The program's desktop notifications: a GNTP listener on this machine when there is one,
// otherwise the freedesktop notification service of the session. The setting
// [Notifications] Enabled=0 turns both off, so that reports come as message boxes.

#include <memory>

#include "platform/GntpNotifier.h"
#include "platform/NotifierChain.h"
#include "qt/FreedesktopNotifier.h"

namespace mirn {

class Profile;

class DesktopNotifications {
 public:
  // `on`: the setting [Notifications] Enabled (SettingOn).
  explicit DesktopNotifications(bool on);
  static bool SettingOn(const Profile& profile);
  Notifier& Get() { return chain_; }

 private:
  GntpNotifier gntp_;
  std::unique_ptr<FreedesktopNotifier> freedesktop_;
  NotifierChain chain_;
};

// The one instance of the run; the services are looked for when it is first used.
Notifier* ApplicationNotifier(const Profile& profile);

}  // namespace mirn
