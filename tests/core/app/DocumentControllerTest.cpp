#include "app/DocumentController.h"

#include <sqlite3.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "db/MRBv3.h"
#include "store/OpenDatabase.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "support/TestSupport.h"
#include "support/XbaseWriter.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

class EventLog : public DocumentListener {
 public:
  void DocumentLoading(MRBBase& file) override {
    events.push_back(L"loading " + std::to_wstring(file.GetExtensionCount()) + (file.Save({}) == db::kReadOnly ? L" read-only" : L""));
  }
  void DocumentClosed() override { events.push_back(L"closed"); }
  void DocumentOpened(const std::vector<std::wstring>& selections) override {
    events.push_back(L"opened");
    this->selections = selections;
  }
  void DocumentNameChanged(const std::wstring& name) override { names.push_back(name); }
  void CommitPendingEdit() override { events.push_back(L"commit"); }
  std::vector<std::wstring> events;
  std::vector<std::wstring> names;
  std::vector<std::wstring> selections;
};

class DocumentControllerTest : public ::testing::Test {
 protected:
  DocumentControllerTest() {
    options_.tempFolder = temp_.Path();
    controller_ = std::make_unique<DocumentController>(ui_, profile_, recent_, zoom_, options_);
    controller_->AddListener(log_);
    controller_->SetSelectionSource([this] { return selected_; });
  }

  // A saved database at `name` holding `ids`.
  fs::path MakeDatabase(const std::string& name, const std::vector<std::wstring>& ids) {
    const fs::path path = files_ / name;
    int code = 0;
    auto db = OpenDatabase({}, code, options_);
    for (const auto& id : ids) db->AddExtension(id, L"T", L"n");
    EXPECT_EQ(db->Save(path), db::kOk);
    return path;
  }
  size_t TempFiles() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(temp_.Path()), fs::directory_iterator()));
  }

  test::TempDir files_;
  test::TempDir temp_;
  DatabaseOptions options_;
  ScriptedUserInterface ui_;
  MemoryProfile profile_;
  RecentFiles recent_;
  ZoomModel zoom_;
  EventLog log_;
  std::vector<std::wstring> selected_;
  std::unique_ptr<DocumentController> controller_;
};

TEST_F(DocumentControllerTest, NewMakesAnUntitledDatabaseAtThePreferredZoom) {
  profile_.WriteInt(L"Preferences", L"Zoom Level", 6);
  ASSERT_TRUE(controller_->New());
  ASSERT_NE(controller_->Database(), nullptr);
  EXPECT_TRUE(controller_->IsUntitled());
  EXPECT_EQ(controller_->DocumentName(), L"Untitled");
  EXPECT_TRUE(controller_->DocumentPath().empty());
  EXPECT_EQ(zoom_.State().mode, zoom::kModeFitLabel);
  EXPECT_EQ(ui_.waitDepth, 0);
  EXPECT_GE(ui_.maxWaitDepth, 1);
  // An empty database shows the legal notice.
  EXPECT_NE(ui_.LastStatus().find(L"Copyright"), std::wstring::npos);
}

TEST_F(DocumentControllerTest, OpenStripsQuotesMakesThePathAbsoluteAndRestoresState) {
  const fs::path path = MakeDatabase("office.mrb", {L"100", L"101", L"102"});
  {
    int code = 0;
    auto db = OpenDatabase(path, code, options_);
    db->SaveSelections({L"101"});
    db->Save({});
  }
  profile_.WriteInt(L"Zoom", L"Mode", 2);
  const fs::path cwd = fs::current_path();
  fs::current_path(files_.Path());
  const bool opened = controller_->Open(L"\"\"\"office.mrb\"");
  fs::current_path(cwd);
  ASSERT_TRUE(opened);
  EXPECT_EQ(controller_->DocumentPath(), path);
  EXPECT_EQ(controller_->DocumentName(), L"office.mrb");
  EXPECT_FALSE(controller_->IsUntitled());
  EXPECT_EQ(log_.selections, std::vector<std::wstring>{L"101"});
  EXPECT_EQ(zoom_.State().mode, zoom::kModeFitLabel);
  ASSERT_EQ(recent_.Entries().size(), 1u);
  EXPECT_EQ(recent_.Entries()[0], path);
  EXPECT_EQ(ui_.statusTexts.front(), L"Opening office.mrb...");
  EXPECT_EQ(ui_.LastStatus(), L"3 extensions in database");
  EXPECT_TRUE(ui_.messages.empty());
}

// A big file shows its rows read in place while the copy for editing is made; a small one, a
// window that does not paint during the copy, or a file that cannot be read in place does not.
TEST_F(DocumentControllerTest, ABigFileIsLookedAtInPlaceBeforeItsCopyIsMade) {
  const fs::path path = MakeDatabase("big.mrb", {L"100", L"101", L"102"});
  DatabaseOptions painting = options_;
  painting.whileCopying = [] {};
  painting.firstLookBytes = fs::file_size(path);
  for (const auto& [options, wanted] : std::vector<std::pair<DatabaseOptions, std::vector<std::wstring>>>{
           {painting, {L"closed", L"loading 3 read-only", L"opened"}},
           {options_, {L"closed", L"opened"}}}) {
    DocumentController controller(ui_, profile_, recent_, zoom_, options);
    controller.New();
    EventLog log;
    controller.AddListener(log);
    ASSERT_TRUE(controller.Open(path.wstring()));
    EXPECT_EQ(log.events, wanted);
    // The file was only read: it is opened for editing as always.
    const auto* opened = dynamic_cast<const MRBv3*>(controller.Database());
    ASSERT_NE(opened, nullptr);
    EXPECT_FALSE(opened->IsReadOnly());
    controller.RemoveListener(log);
  }
  {
    // Open in another program: refused as always, with nothing shown first.
    int code = 0;
    auto other = OpenDatabase(path, code, options_);
    ASSERT_NE(other, nullptr);
    DocumentController controller(ui_, profile_, recent_, zoom_, painting);
    controller.New();
    EventLog log;
    controller.AddListener(log);
    EXPECT_FALSE(controller.Open(path.wstring()));
    EXPECT_EQ(std::count(log.events.begin(), log.events.end(), L"loading 3 read-only"), 0);
    controller.RemoveListener(log);
  }
  painting.firstLookBytes = fs::file_size(path) + 1;
  DocumentController small(ui_, profile_, recent_, zoom_, painting);
  small.New();
  EventLog log;
  small.AddListener(log);
  ASSERT_TRUE(small.Open(path.wstring()));
  EXPECT_EQ(log.events, (std::vector<std::wstring>{L"closed", L"opened"}));
  small.RemoveListener(log);
}

TEST_F(DocumentControllerTest, OpeningAMissingFileLeavesAnUntitledDatabaseAndForgetsTheFile) {
  const fs::path missing = files_ / "gone.mrb";
  recent_.Add(files_ / "other.mrb");
  recent_.Add(missing);
  EXPECT_FALSE(controller_->Open(missing.wstring()));
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.LastMessage(), L"gone.mrb\nMirn cannot find this file.");
  EXPECT_EQ(ui_.messages[0].style & mb::kIconMask, mb::kIconWarning);
  EXPECT_TRUE(controller_->IsUntitled());
  ASSERT_NE(controller_->Database(), nullptr);
  ASSERT_EQ(recent_.Entries().size(), 1u);
  EXPECT_EQ(recent_.Entries()[0], files_ / "other.mrb");
}

TEST_F(DocumentControllerTest, OpenFailuresSayWhyAndLeaveAnUntitledDatabase) {
  // Not a database at all: the cannot-open message, and the file leaves the recent list.
  const fs::path junk = files_ / "junk.mrb";
  test::WriteFile(junk, "this is not a database");
  recent_.Add(junk);
  EXPECT_FALSE(controller_->Open(junk.wstring()));
  EXPECT_EQ(ui_.LastMessage().rfind(junk.wstring() + L"\n\nMirn cannot open this file.", 0), 0u);
  EXPECT_TRUE(recent_.Empty());
  EXPECT_TRUE(controller_->IsUntitled());

  // Open twice: the second open is refused by the file's lock and reported as already open.
  const fs::path path = MakeDatabase("shared.mrb", {L"1"});
  int code = 0;
  auto other = OpenDatabase(path, code, options_);
  ASSERT_NE(other, nullptr);
  EXPECT_FALSE(controller_->Open(path.wstring()));
  EXPECT_EQ(ui_.LastMessage(),
            L"The file you are trying to open is already open, either in another window, or by "
            L"another user.\n\nFile path: " + path.wstring());
  EXPECT_TRUE(controller_->IsUntitled());
}

TEST_F(DocumentControllerTest, ANewerFileOffersTheUpdateCheck) {
  const fs::path path = MakeDatabase("newer.mrb", {L"1"});
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  sqlite3_exec(db, "UPDATE meta SET value='400' WHERE key='versions';", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  int checks = 0;
  controller_->SetCheckForUpdates([&] { ++checks; });

  ui_.messageAnswers = {mb::kIdYes};
  EXPECT_FALSE(controller_->Open(path.wstring()));
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].caption, L"Newer version of Mirn required");
  EXPECT_EQ(ui_.messages[0].labels.at(mb::kIdYes), L"&Check for an Update");
  EXPECT_EQ(ui_.messages[0].labels.at(mb::kIdNo), L"&Don't Check");
  EXPECT_EQ(checks, 1);

  ui_.messageAnswers = {mb::kIdNo};
  EXPECT_FALSE(controller_->Open(path.wstring()));
  EXPECT_EQ(ui_.LastMessage(), L"The file could not be opened.");
  EXPECT_EQ(checks, 1);
}

TEST_F(DocumentControllerTest, SaveChangesQuestionDecidesWhetherTheCommandGoesOn) {
  ASSERT_TRUE(controller_->New());
  const fs::path path = MakeDatabase("a.mrb", {L"1"});
  controller_->Database()->AddExtension(L"5", L"T", L"");

  // Cancel: nothing happens.
  ui_.messageAnswers = {mb::kIdCancel};
  EXPECT_FALSE(controller_->Open(path.wstring()));
  EXPECT_EQ(ui_.LastMessage(), L"Save changes to Untitled?");
  EXPECT_EQ(ui_.messages.back().style, mb::kYesNoCancel | mb::kIconWarning);
  EXPECT_TRUE(controller_->IsUntitled());
  EXPECT_TRUE(controller_->IsModified());

  // No: the changes go and the file opens.
  ui_.messageAnswers = {mb::kIdNo};
  EXPECT_TRUE(controller_->Open(path.wstring()));
  EXPECT_EQ(controller_->DocumentName(), L"a.mrb");

  // Yes: saved first, then the window may close; the zoom is remembered.
  controller_->Database()->AddExtension(L"6", L"T", L"");
  zoom_.Set({zoom::kModeFitLabel, 80});
  ui_.messageAnswers = {mb::kIdYes};
  EXPECT_TRUE(controller_->QueryClose());
  EXPECT_FALSE(controller_->IsModified());
  EXPECT_EQ(profile_.GetInt(L"Zoom", L"Mode", 0), 2);
  EXPECT_EQ(LastZoom(profile_).mode, zoom::kModeFitLabel);
  int code = 0;
  controller_->CloseDatabase();
  auto reread = OpenDatabase(path, code, options_);
  ASSERT_NE(reread, nullptr);
  EXPECT_EQ(reread->GetExtensionCount(), 2);
}

TEST_F(DocumentControllerTest, SavingAnUntitledDatabaseGoesToSaveAsAndLeavesNoTemporaryFile) {
  ASSERT_TRUE(controller_->New());
  controller_->Database()->AddExtension(L"7", L"T", L"");
  selected_ = {L"7"};
  const fs::path target = files_ / "first.mrb";
  ui_.saveAnswers = {target};
  EXPECT_TRUE(controller_->Save());
  ASSERT_EQ(ui_.saveDialogs.size(), 1u);
  EXPECT_EQ(ui_.saveDialogs[0].initialPath, fs::path("Untitled.mrb"));
  EXPECT_TRUE(ui_.saveDialogs[0].promptOverwrite);
  EXPECT_EQ(controller_->DocumentPath(), target);
  EXPECT_EQ(controller_->DocumentName(), L"first.mrb");
  EXPECT_FALSE(controller_->IsUntitled());
  EXPECT_EQ(recent_.Entries().front(), target);
  EXPECT_TRUE(ui_.mainWindowEnabled);
  EXPECT_EQ(ui_.mainWindowDisabledCount, 1);
  EXPECT_EQ(log_.events.back(), L"commit");
  controller_->CloseDatabase();
  EXPECT_EQ(TempFiles(), 0u);
  int code = 0;
  auto reread = OpenDatabase(target, code, options_);
  ASSERT_NE(reread, nullptr);
  EXPECT_EQ(reread->LoadSelections(), std::vector<std::wstring>{L"7"});
}

TEST_F(DocumentControllerTest, SaveAsLoopsUntilAWritableFolderOrCancel) {
  ASSERT_TRUE(controller_->New());
  // A folder that does not exist takes no files, whoever runs the test.
  const fs::path nowhere = files_ / "nowhere";
  ui_.saveAnswers = {nowhere / "x.mrb", nowhere / "y.mrb", std::nullopt};
  EXPECT_FALSE(controller_->SaveAs());
  EXPECT_EQ(ui_.saveDialogs.size(), 3u);
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_EQ(ui_.messages[0].text, (nowhere / "x.mrb").wstring() +
            L"\n\nYou don't have permission to save in this location.\n\nPlease save to a different folder.");
  EXPECT_TRUE(controller_->IsUntitled());
}

TEST_F(DocumentControllerTest, SaveWhereTheFolderTakesNoFilesAsksForAnotherPlace) {
  const fs::path folder = files_ / "moved";
  fs::create_directory(folder);
  fs::copy_file(MakeDatabase("tmp.mrb", {L"1"}), folder / "doc.mrb");
  ASSERT_TRUE(controller_->Open((folder / "doc.mrb").wstring()));
  fs::rename(folder, files_ / "elsewhere");
  EXPECT_FALSE(controller_->Save());  // the save dialog was not answered
  ASSERT_EQ(ui_.saveDialogs.size(), 1u);
  EXPECT_EQ(ui_.saveDialogs[0].initialPath, folder / "doc.mrb");
}

TEST_F(DocumentControllerTest, LegacySaveNeedsTheConversionWarningAnswered) {
  const fs::path path = files_ / "old.mrb";
  test::WriteFile(path, test::WriteLegacyDatabase({{"100", "T1", "Reception", "1000000000"}}, {}));
  const std::string before = test::ReadFile(path);
  ASSERT_TRUE(controller_->Open(path.wstring())) << ui_.LastMessage();

  ui_.messageAnswers = {mb::kIdCancel};
  EXPECT_FALSE(controller_->Save());
  ASSERT_EQ(ui_.messages.size(), 1u);
  const MessageBoxRequest& warning = ui_.messages[0];
  EXPECT_EQ(warning.caption, L"File Conversion Warning");
  EXPECT_EQ(warning.style, mb::kOkCancel | mb::kIconWarning);
  EXPECT_EQ(warning.labels.at(mb::kIdOk), L"&Convert and Save");
  EXPECT_EQ(warning.labels.at(mb::kIdCancel), L"&Cancel");
  EXPECT_EQ(warning.text.rfind(L"FILE CONVERSION WARNING\n\nThe file you are saving was created in Mirn 2.", 0), 0u);
  EXPECT_NE(warning.text.find(L"saved as \"old.mrb.backup\"."), std::wstring::npos);
  EXPECT_EQ(test::ReadFile(path), before);

  ui_.messageAnswers = {mb::kIdOk};
  EXPECT_TRUE(controller_->Save());
  EXPECT_EQ(DetectFormat(path), format::kCurrent);
}

TEST_F(DocumentControllerTest, AFailedWriteIsReportedAndKeepsTheChanges) {
  const fs::path path = MakeDatabase("keep.mrb", {L"1"});
  ASSERT_TRUE(controller_->Open(path.wstring()));
  controller_->Database()->AddExtension(L"2", L"T", L"");
  // A folder in the file's place makes the final rename fail.
  ui_.saveAnswers = {files_ / "dir.mrb"};
  fs::create_directory(files_ / "dir.mrb");
  EXPECT_FALSE(controller_->SaveAs());
  EXPECT_NE(ui_.LastMessage().find(L"could not save"), std::wstring::npos);
  EXPECT_TRUE(controller_->IsModified());
  EXPECT_EQ(controller_->DocumentPath(), path);
  EXPECT_TRUE(ui_.mainWindowEnabled);
}

TEST_F(DocumentControllerTest, FirstOpenDialogStartsInTheSampleFolderOnce) {
  const fs::path samples = files_ / "samples";
  fs::create_directory(samples);
  controller_->SetSampleFolder(samples);
  EXPECT_FALSE(controller_->OpenDialog());
  EXPECT_FALSE(controller_->OpenDialog());
  ASSERT_EQ(ui_.openDialogs.size(), 2u);
  EXPECT_EQ(ui_.openDialogs[0].initialPath, samples / "*.mrb");
  EXPECT_EQ(ui_.openDialogs[0].filter, L"Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||");
  EXPECT_EQ(ui_.openDialogs[1].initialPath, fs::path("*.mrb"));
  EXPECT_EQ(profile_.GetInt(L"Preferences", L"First Run", 1), 0);

  // Later the dialog starts beside the open database, else in the folder used last, never in
  // the process's working folder.
  fs::create_directory(files_ / "site");
  const fs::path site = files_ / "site" / "site.mrb";
  fs::rename(MakeDatabase("site.mrb", {L"1"}), site);
  ASSERT_TRUE(controller_->Open(site.wstring()));
  EXPECT_FALSE(controller_->OpenDialog());
  EXPECT_EQ(ui_.openDialogs.back().initialPath, files_ / "site" / "*.mrb");
  controller_->CloseDatabase();
  EXPECT_FALSE(controller_->OpenDialog());
  EXPECT_EQ(ui_.openDialogs.back().initialPath, files_ / "site" / "*.mrb");
}

}  // namespace
}  // namespace mirn
