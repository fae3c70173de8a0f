#pragma once
// The person's side of a print job on the command line, and Ctrl+C as its Stop button.

#include <signal.h>

#include <csignal>
#include <string>

#include "print/PrintJob.h"

namespace mirn::cli {

struct Context;

// Ctrl+C during a job is the progress window's Stop: the job ends after the label being
// drawn and the document is still finished.
class StopOnInterrupt {
 public:
  StopOnInterrupt();
  ~StopOnInterrupt();
  static bool Pressed();
  StopOnInterrupt(const StopOnInterrupt&) = delete;
  StopOnInterrupt& operator=(const StopOnInterrupt&) = delete;

 private:
  struct sigaction previous_ {};
};

// Each run's ready text on standard output and its answer from --yes or from standard
// input; messages and progress on standard error. The start slot of each run is chosen
// before the job (--start-slot, or where the layout's last sheet on the printer ended).
class CliPrintUi final : public PrintJobUi {
 public:
  CliPrintUi(Context& c, bool yes) : c_(c), yes_(yes) {}

  bool ConfirmRun(const PrintRun& run, const RunLayout& layout, int copies, int& startSlot) override;
  void ShowMessage(const std::wstring& text, MessageIcon) override;
  void BeginProgress(long long range) override {
    range_ = range;
    done_ = 0;
  }
  void ProgressLine(const std::wstring& line) override;
  void ProgressStep(long long step) override { done_ += step; }
  bool StopRequested() override { return StopOnInterrupt::Pressed(); }
  void EndProgress() override;

 private:
  Context& c_;
  bool yes_ = false;
  long long range_ = 0;
  long long done_ = 0;
};

}  // namespace mirn::cli
