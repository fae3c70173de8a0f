#include "platform/OsRelease.h"

#include <gtest/gtest.h>

namespace mirn {
namespace {

TEST(OsRelease, CaptionFromPrettyNameOrNameAndVersion) {
  EXPECT_EQ(OsCaptionFromText("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n"),
            L"Debian GNU/Linux 12 (bookworm)");
  EXPECT_EQ(OsCaptionFromText("# comment\nNAME='Fedora Linux'\nVERSION=\"39 (Workstation \\\"Edition\\\")\"\n"),
            L"Fedora Linux 39 (Workstation \"Edition\")");
  EXPECT_EQ(OsCaptionFromText("NAME=Alpine\r\n"), L"Alpine");
  EXPECT_EQ(OsCaptionFromText("PRETTY_NAME=\"\"\nNAME=Arch\n"), L"Arch");
  EXPECT_EQ(OsCaptionFromText(""), L"Linux");
  EXPECT_EQ(OsCaptionFromText("garbage without equals\n=\n"), L"Linux");
  EXPECT_FALSE(OperatingSystemCaption().empty());
}

}  // namespace
}  // namespace mirn
