#include "platform/NotifierChain.h"

#include <gtest/gtest.h>

namespace mirn {
namespace {

struct Service : Notifier {
  bool enabled = true;
  bool accepts = true;
  bool vanishes = false;
  int calls = 0;
  bool Enabled() const override { return enabled; }
  bool Notify(const std::wstring&, const std::wstring&, const std::wstring&, bool) override {
    ++calls;
    if (vanishes) enabled = false;
    return accepts && !vanishes;
  }
};

TEST(NotifierChain, NextServiceOnlyWhenTheFirstHasGoneAway) {
  Service gntp, dbus;
  NotifierChain chain;
  chain.Add(gntp);
  chain.Add(dbus);
  EXPECT_TRUE(chain.Notify(L"n", L"t", L"", false));
  EXPECT_EQ(dbus.calls, 0);

  gntp.accepts = false;  // answered with an error: that is the answer
  EXPECT_FALSE(chain.Notify(L"n", L"t", L"", false));
  EXPECT_EQ(dbus.calls, 0);

  gntp.vanishes = true;  // nobody listens any more: the next service takes it
  EXPECT_TRUE(chain.Notify(L"n", L"t", L"", false));
  EXPECT_EQ(dbus.calls, 1);
  EXPECT_TRUE(chain.Enabled());
  EXPECT_TRUE(chain.Notify(L"n", L"t", L"", false));
  EXPECT_EQ(gntp.calls, 3) << "a service that went away is not asked again";

  dbus.enabled = false;
  EXPECT_FALSE(chain.Enabled());
  EXPECT_FALSE(NotifierChain().Enabled());
}

}  // namespace
}  // namespace mirn
