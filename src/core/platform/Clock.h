#pragma once
// The local clock, behind an interface so that tests can fix the time.

#include "util/DateTime.h"

namespace mirn {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
};

// The machine's local time.
class SystemClock final : public Clock {
 public:
  LocalDateTime Now() const override;
};

// A clock that shows whatever the test set, until set again.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(LocalDateTime now = {}) : now_(now) {}
  LocalDateTime Now() const override { return now_; }
  void Set(const LocalDateTime& now) { now_ = now; }

 private:
  LocalDateTime now_{};
};

}  // namespace mirn
