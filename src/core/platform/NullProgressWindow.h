#pragma once
// A progress window that shows nothing and never stops the loop: it only counts the steps.
// For loops run without a person watching (benchmarks, tests, batch runs).

#include "platform/UserInterface.h"

namespace mirn {

struct NullProgressWindow : ProgressWindow {
  long long position = 0;
  void SetLine(const std::wstring&) override {}
  void SetRange(long long) override {}
  void Step() override { ++position; }
  long long Position() const override { return position; }
  void MoveToEnd() override {}
  bool StopPressed() const override { return false; }
  bool RunPendingMessages() override { return true; }
};

}  // namespace mirn
