#include "gui/DesktopNotifications.h"

#include "platform/Profile.h"

namespace mirn {

bool DesktopNotifications::SettingOn(const Profile& profile) {
  return profile.GetInt(L"Notifications", L"Enabled", 1) != 0;
}

DesktopNotifications::DesktopNotifications(bool on) {
  if (!on) return;
  gntp_.SetApplicationName(L"Mirn");
  gntp_.SetEnabled(true);  // turns itself off at the first refused connection
  freedesktop_ = std::make_unique<FreedesktopNotifier>();
  chain_.Add(gntp_);
  chain_.Add(*freedesktop_);
}

namespace {

// Looks for the desktop's services when a notification is first asked about, not when the
// window is built: finding the session bus and asking it takes time that a start-up, which
// rarely notifies, should not spend.
class OnFirstUse final : public Notifier {
 public:
  // The setting is read now, as the notifier's first use used to read it.
  explicit OnFirstUse(const Profile& profile) : on_(DesktopNotifications::SettingOn(profile)) {}
  bool Enabled() const override { return Get().Enabled(); }
  bool Notify(const std::wstring& name, const std::wstring& title, const std::wstring& text,
              bool sticky) override {
    return Get().Notify(name, title, text, sticky);
  }

 private:
  Notifier& Get() const {
    if (!notifications_) notifications_ = std::make_unique<DesktopNotifications>(on_);
    return notifications_->Get();
  }
  bool on_ = false;
  mutable std::unique_ptr<DesktopNotifications> notifications_;
};

}  // namespace

Notifier* ApplicationNotifier(const Profile& profile) {
  static OnFirstUse notifier(profile);
  return &notifier;
}

}  // namespace mirn
