#pragma once
// A desktop notification service: tells the person that a long operation ended without
// stopping them with a message box. The desktop program chains the services it finds (a
// GNTP listener, the freedesktop service over D-Bus); tests use a recording fake.

#include <string>

namespace mirn {

// Notification names (the service shows them by their display names).
namespace notification {
inline constexpr const wchar_t* kNewTemplates = L"new_templates";
inline constexpr const wchar_t* kImportComplete = L"import_complete";
inline constexpr const wchar_t* kExportComplete = L"export_complete";
inline constexpr const wchar_t* kFeedbackSent = L"feedback_sent";
}  // namespace notification

class Notifier {
 public:
  virtual ~Notifier() = default;
  // Whether notifications go to a service at all; while false callers take their fallback.
  virtual bool Enabled() const = 0;
  // True when the service took the notification.
  virtual bool Notify(const std::wstring& name, const std::wstring& title, const std::wstring& text,
                      bool sticky) = 0;
};

}  // namespace mirn
