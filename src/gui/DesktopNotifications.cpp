#include "gui/DesktopNotifications.h"

#include "platform/Profile.h"

namespace mirn {

DesktopNotifications::DesktopNotifications(const Profile& profile) {
  if (profile.GetInt(L"Notifications", L"Enabled", 1) == 0) return;
  gntp_.SetApplicationName(L"Mirn");
  gntp_.SetEnabled(true);  // turns itself off at the first refused connection
  freedesktop_ = std::make_unique<FreedesktopNotifier>();
  chain_.Add(gntp_);
  chain_.Add(*freedesktop_);
}

Notifier* ApplicationNotifier(const Profile& profile) {
  static DesktopNotifications notifications(profile);
  return &notifications.Get();
}

}  // namespace mirn
