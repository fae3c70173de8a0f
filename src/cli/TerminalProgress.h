#pragma once
// The progress window of the batch tool: one line on the terminal, rewritten in place every
// few steps, shown only when a person watches standard error. It never asks to stop.

#include <ostream>
#include <string>

#include "cli/Command.h"
#include "platform/UserInterface.h"
#include "util/Text.h"

namespace mirn::cli {

class TerminalProgress final : public ProgressWindow {
 public:
  explicit TerminalProgress(Context& c) : out_(c.errIsTerminal ? &c.err : nullptr) {}
  ~TerminalProgress() override {
    if (out_ && shown_) *out_ << "\r\033[K" << std::flush;
  }
  void SetLine(const std::wstring& text) override { line_ = text; }
  void SetRange(long long total) override { total_ = total; }
  void Step() override {
    ++position_;
    if (out_ && (position_ % 97 == 1 || position_ == total_)) {
      *out_ << "\r\033[K" << ToUtf8(line_) << "  " << position_ << '/' << total_ << std::flush;
      shown_ = true;
    }
  }
  long long Position() const override { return position_; }
  void MoveToEnd() override { position_ = total_; }
  bool StopPressed() const override { return false; }
  bool RunPendingMessages() override { return true; }

 private:
  std::ostream* out_ = nullptr;
  std::wstring line_;
  long long total_ = 0;
  long long position_ = 0;
  bool shown_ = false;
};

}  // namespace mirn::cli
