#pragma once
// Desktop notifications over the Growl Notification Transport Protocol (GNTP 1.0) to a
// listener on this machine (TCP "localhost", service "23053"). Each notification is one
// synchronous request: connect, write, read the status line and the header block. A failed
// connection turns the notifier off for the rest of the run, so later reports take their
// fallback at once instead of trying again.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Notifier.h"

namespace mirn {

// The request lines, each ended by CR LF and the last one empty; texts in UTF-8.
std::string GntpNotifyRequest(std::wstring_view applicationName, std::wstring_view name, std::wstring_view title,
                              std::wstring_view text, bool sticky);

struct GntpResponse {
  std::string version;    // "GNTP/1.0"
  std::string directive;  // "-OK", "-ERROR", ...; empty when no status line arrived
  std::string rest;       // the rest of the status line
  std::vector<std::string> headers;  // the non-empty header lines before the empty line
  bool complete = false;  // the header block ended with an empty line
};

// Reads a response from the bytes received: the status line up to the first CR LF, split
// at white space into version, directive and the rest, then header lines up to an empty
// line. Bytes after the empty line are ignored; a response cut short keeps what it had.
GntpResponse ParseGntpResponse(std::string_view bytes);

class GntpNotifier final : public Notifier {
 public:
  GntpNotifier(std::string host = "localhost", std::string service = "23053");

  void SetApplicationName(std::wstring name) { applicationName_ = std::move(name); }
  // Turns the notifier on or off (it starts off).
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  // How long one step (connect, write, read) may take before the notification is given up.
  void SetTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

  bool Enabled() const override { return enabled_; }
  // Delivered when the directive of the response is exactly "-OK".
  bool Notify(const std::wstring& name, const std::wstring& title, const std::wstring& text,
              bool sticky) override;

  bool LastResult() const { return lastResult_; }
  // The header lines of the last response, as wide text.
  const std::vector<std::wstring>& ResponseHeaders() const { return headers_; }

 private:
  std::string host_;
  std::string service_;
  std::wstring applicationName_;
  std::chrono::milliseconds timeout_{3000};
  bool enabled_ = false;
  bool lastResult_ = false;
  std::vector<std::wstring> headers_;
};

}  // namespace mirn
