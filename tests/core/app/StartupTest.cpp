#include "app/OptionsModel.h"
#include "app/Startup.h"
#include "app/TipOfTheDay.h"

#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/DocumentController.h"
#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "platform/KnownFolders.h"
#include "store/OpenDatabase.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/Notifier.h"
#include "support/ExchangeLayouts.h"
#include "support/PseudoCatalog.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"
#include "util/Text.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

TEST(CommandLineTest, TokensQuotesAndSwitchForms) {
  const CommandLine line(L"  \"C:\\My Files\\a b.mrb\"   -x  \"\"  plain ");
  EXPECT_EQ(line.Tokens(), (std::vector<std::wstring>{L"C:\\My Files\\a b.mrb", L"-x", L"plain"}));

  for (const wchar_t* token : {L"-i:C:\\data\\x.csv", L"/I=C:\\data\\x.csv", L"/IC:\\data\\x.csv"}) {
    const CommandLine l(token);
    EXPECT_TRUE(l.Has(L"I")) << token;
    EXPECT_EQ(l.Value(L"I"), L"C:\\data\\x.csv") << token;
  }
  const CommandLine nodelete(L"/I:x.csv /nodelete -p");
  EXPECT_TRUE(nodelete.Has(L"NODELETE"));
  EXPECT_TRUE(nodelete.Has(L"P"));
  EXPECT_EQ(nodelete.Value(L"NODELETE"), std::nullopt);
  EXPECT_EQ(CommandLine(L"/NODELETE=yes").Value(L"nodelete"), L"yes");
  EXPECT_FALSE(CommandLine(L"office.mrb").Has(L"P"));

  // The import file may follow the switch as its own token.
  EXPECT_EQ(CommandLine(L"/I data.csv /P").ValueOrNext(L"I"), L"data.csv");
  EXPECT_EQ(CommandLine(L"/I /P").ValueOrNext(L"I"), L"");
}

TEST(CommandLineTest, ExistingAbsolutePathsAreFilesAndThePrintPathIsFound) {
  const auto exists = [](const std::wstring& t) { return t == L"/print/office.mrb"; };
  const CommandLine path(L"/print/office.mrb", exists);
  EXPECT_FALSE(path.Has(L"P"));
  const CommandLine print(L"/P /print/office.mrb", exists);
  EXPECT_TRUE(print.Has(L"P"));
  EXPECT_EQ(print.PrintPath(), L"/print/office.mrb");
  EXPECT_EQ(CommandLine(L"/P /S third.mrb").PrintPath(), L"third.mrb");
  EXPECT_EQ(CommandLine(L"/P").PrintPath(), L"");
}

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() : folders_(root_.Path()), library_(folders_, fs::path()) {
    DatabaseOptions options;
    options.tempFolder = temp_.Path();
    document_ = std::make_unique<DocumentController>(ui_, profile_, recent_, zoom_, options);
    hooks_.notify = [this](const std::wstring& name, const std::wstring& title, const std::wstring&) {
      notices_.push_back(name + L": " + title);
    };
    hooks_.printExtensions = [this](const std::vector<std::wstring>& ids) {
      printed_ = ids;
      return true;
    };
    hooks_.closeMainWindow = [this] { ++closes_; };
    hooks_.requestPrintAfterImport = [this] { ++printRequests_; };
    hooks_.openGettingStarted = [this] { ++guides_; };
    hooks_.showTipOfTheDay = [this] { ++tips_; };
  }
  Startup Make() { return Startup(ui_, profile_, library_, *document_, hooks_); }
  void InstallLayouts() { test::WriteExchangeLayouts(folders_.Get(KnownFolder::Program) / "ddf"); }

  test::TempDir root_;
  test::TempDir temp_;
  test::TempDir files_;
  FakeKnownFolders folders_;
  MemoryProfile profile_;
  DDFLibrary library_;
  ScriptedUserInterface ui_;
  RecentFiles recent_;
  ZoomModel zoom_;
  std::unique_ptr<DocumentController> document_;
  StartupHooks hooks_;
  std::vector<std::wstring> notices_;
  std::vector<std::wstring> printed_;
  int closes_ = 0;
  int printRequests_ = 0;
  int guides_ = 0;
  int tips_ = 0;
};

TEST_F(StartupTest, ASlowLibraryScanShowsItsProgressWindowAndAnnouncesNewLayouts) {
  InstallLayouts();
  // Each look at the clock finds the scan 3/5 of the delay older: the first layout is found
  // before the delay, the second after it.
  auto time = std::chrono::steady_clock::time_point();
  hooks_.now = [&time] { return time += kScanProgressDelay * 3 / 5; };
  EXPECT_EQ(Make().LoadLibrary(), 2);
  EXPECT_EQ(ui_.progressTitles, std::vector<std::wstring>{L"Reading Layouts"});
  ASSERT_EQ(ui_.progressLines.size(), 2u);
  EXPECT_EQ(ui_.progressLines[0], L"Loading\u2026");
  EXPECT_EQ(ui_.progressLines[1], L"Found 2 new layouts");
  EXPECT_EQ(notices_, std::vector<std::wstring>{L"new_templates: Registered 2 new layouts"});
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(NotificationNames().at(L"feedback_sent"), L"Feedback sent");
  EXPECT_EQ(NotificationNames().size(), 4u);
}

// The desktop shows the names in the person's language; the services know them by the keys,
// which stay the same.
TEST(NotificationNamesTest, TheShownNamesFollowTheLanguageAndTheKeysDoNot) {
  test::PseudoLanguage language;
  const auto names = NotificationNames();
  ASSERT_EQ(names.size(), 4u);
  for (const wchar_t* key : {notification::kNewTemplates, notification::kImportComplete,
                             notification::kExportComplete, notification::kFeedbackSent}) {
    ASSERT_EQ(names.count(key), 1u) << ToUtf8(key);
    EXPECT_EQ(names.at(key).front(), L'\u00ab') << ToUtf8(names.at(key));
  }
  EXPECT_EQ(names.at(L"import_complete"), L"\u00abImport complete~~~~~\u00bb");
}

TEST_F(StartupTest, AQuickLibraryScanShowsNoWindow) {
  InstallLayouts();
  const auto time = std::chrono::steady_clock::time_point();
  hooks_.now = [time] { return time; };
  EXPECT_EQ(Make().LoadLibrary(), 2);
  EXPECT_TRUE(ui_.progressTitles.empty());
  EXPECT_EQ(notices_, std::vector<std::wstring>{L"new_templates: Registered 2 new layouts"});
}

TEST_F(StartupTest, AnEmptyLibraryIsReportedAndStartUpGoesOn) {
  EXPECT_EQ(Make().LoadLibrary(), 0);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.LastMessage().rfind(L"Could not locate the Layout Template files.", 0), 0u);
  EXPECT_EQ(ui_.messages[0].style & mb::kIconMask, mb::kIconWarning);
  EXPECT_TRUE(notices_.empty());
}

TEST_F(StartupTest, PlainCommandLinesOpenOrCreate) {
  Startup startup = Make();
  EXPECT_TRUE(startup.HandleCommandLine(CommandLine(L"")));
  EXPECT_TRUE(document_->IsUntitled());
  EXPECT_TRUE(startup.HandleCommandLine(CommandLine(L"\"" + (files_ / "missing.mrb").wstring() + L"\"")));
  EXPECT_EQ(ui_.LastMessage(), L"missing.mrb\nMirn cannot find this file.");
}

TEST_F(StartupTest, ImportRequestFillsANewDatabaseDeletesTheFileAndMayPrint) {
  InstallLayouts();
  library_.ScanAll();
  const fs::path csv = files_ / "x.csv";
  test::WriteFile(csv, "1,T3,Reception,a\r\n2,T4,Lobby,b\r\n");
  Startup startup = Make();
  EXPECT_TRUE(startup.HandleCommandLine(CommandLine(L"/I:" + csv.wstring())));
  EXPECT_EQ(document_->Database()->GetExtensionCount(), 2);
  EXPECT_TRUE(document_->IsUntitled());
  EXPECT_FALSE(fs::exists(csv));
  EXPECT_EQ(closes_, 0);

  test::WriteFile(csv, "3,T3,Porter,c\r\n");
  ui_.messageAnswers = {mb::kIdNo};  // the previous import is not saved
  EXPECT_FALSE(startup.HandleCommandLine(CommandLine(L"/I " + csv.wstring() + L" /nodelete -p")));
  EXPECT_TRUE(fs::exists(csv));
  EXPECT_EQ(printRequests_, 1) << "only the start with \"P\" asks for a print";
  EXPECT_EQ(printed_, std::vector<std::wstring>{L"3"});
  EXPECT_FALSE(document_->IsModified());
  EXPECT_EQ(closes_, 1);
}

TEST_F(StartupTest, AnImportFileThatCannotBeOpenedIsReported) {
  Startup startup = Make();
  const std::wstring missing = (files_ / "none.csv").wstring();
  EXPECT_TRUE(startup.HandleCommandLine(CommandLine(L"-i=" + missing + L" /P")));
  EXPECT_EQ(ui_.LastMessage(),
            L"Another app requested that Mirn automatically import data, but Mirn was unable to open the "
            L"requested import file.\n\nThe import file path was:\n\n" + missing + L"\n\nNo data has been imported.");
  EXPECT_TRUE(document_->IsUntitled());
  EXPECT_TRUE(printed_.empty());
  EXPECT_EQ(closes_, 0);
  EXPECT_EQ(printRequests_, 1) << "the print waits for an import filter";
}

TEST_F(StartupTest, PrintRequestPrintsEveryExtensionAndCloses) {
  int code = 0;
  DatabaseOptions options;
  options.tempFolder = temp_.Path();
  const fs::path path = files_ / "print.mrb";
  {
    auto db = OpenDatabase({}, code, options);
    db->AddExtension(L"10", L"T3", L"");
    db->AddExtension(L"11", L"T3", L"");
    db->Save(path);
  }
  EXPECT_FALSE(Make().HandleCommandLine(CommandLine(L"/p " + path.wstring())));
  EXPECT_EQ(printed_, (std::vector<std::wstring>{L"10", L"11"}));
  EXPECT_EQ(closes_, 1);
  EXPECT_EQ(document_->DocumentName(), L"print.mrb");
}

// Start-up, the Options dialog and the tip window read one setting with one default: what
// the boxes show on a fresh settings file is what start-up does, and ticking one turns it on.
TEST_F(StartupTest, TheTipCheckBoxesShowWhatStartUpDoes) {
  for (const bool tick : {false, true}) {
    if (tick) {
      OptionsModel options(profile_);
      options.SetShowTips(true);
      ASSERT_TRUE(options.Save(profile_));
    }
    const bool shown = OptionsModel(profile_).ShowTips();
    EXPECT_EQ(TipOfTheDay::ShowAtStartup(profile_), shown);
    EXPECT_EQ(shown, tick);
    tips_ = 0;
    Make().Greet(CommandLine(L""), true);
    EXPECT_EQ(tips_, shown ? 1 : 0);
  }
}

TEST_F(StartupTest, WelcomeOnceAndTipsOnlyForPlainStarts) {
  profile_.WriteInt(L"Preferences", L"First Run", 1);
  profile_.WriteInt(L"Preferences", L"Show Tip of the Day", 1);
  Startup startup = Make();
  startup.Greet(CommandLine(L"/P x.mrb"), true);
  startup.Greet(CommandLine(L"/I:x.csv"), true);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(tips_, 0);

  ui_.messageAnswers = {mb::kIdNo};
  startup.Greet(CommandLine(L""), true);
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_EQ(ui_.messages[0].text, L"Welcome to Mirn!\n\nWould you like to view a short \"Getting Started\" video?");
  EXPECT_EQ(ui_.messages[1].text, L"If you want to watch the video later, it's in the \"Help\" menu.");
  EXPECT_EQ(profile_.GetInt(L"Preferences", L"First Run", 1), 0);
  EXPECT_EQ(tips_, 1);

  startup.Greet(CommandLine(L""), false);  // no tips file: no tip window
  EXPECT_EQ(ui_.messages.size(), 2u);
  EXPECT_EQ(tips_, 1);

  profile_.WriteInt(L"Preferences", L"First Run", 1);
  ui_.messageAnswers = {mb::kIdYes};
  startup.Greet(CommandLine(L""), false);
  EXPECT_EQ(guides_, 1);
}

}  // namespace
}  // namespace mirn
