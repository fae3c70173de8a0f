// Prints through a real CUPS spooler: a private cupsd of the test's own, configured in a
// temporary folder and listening on its own socket, with a cups-pdf queue whose output is
// read back. Skipped, with the reason, where cupsd or cups-pdf cannot run.

#include <cups/cups.h>
#include <memory>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFontMetricsF>
#include <QPainter>
#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "platform/KnownFolders.h"
#include "print/PartialSheets.h"
#include "print/PrintLabels.h"
#include "print/PrinterStatus.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"
#include "qt/CupsPrinterSystem.h"
#include "qt/PainterDocument.h"
#include "support/TestSupport.h"
#include "util/Text.h"

extern char** environ;

namespace mirn {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr const char* kCupsd = "/usr/sbin/cupsd";
constexpr const char* kLpadmin = "/usr/sbin/lpadmin";
constexpr const char* kCupsPdfBackend = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* kCupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd";
constexpr const char* kQueue = "MirnSpoolerTest";

// A cupsd of the test's own, stopped when the object goes.
class PrivateSpooler {
 public:
  explicit PrivateSpooler(const fs::path& root) : root_(root), socket_(root / "cups.sock") {
    for (const char* sub : {"spool", "cache", "state", "log", "tmp", "ppd"}) fs::create_directories(root / sub);
    // The filters run as the spooler's own user: they must reach the folder and its temp.
    fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(root / "tmp", fs::perms::all | fs::perms::sticky_bit);
    test::WriteFile(root / "cups-files.conf",
                    "ServerRoot " + root.string() + "\nRequestRoot " + (root / "spool").string() +
                        "\nCacheDir " + (root / "cache").string() + "\nStateDir " + (root / "state").string() +
                        "\nTempDir " + (root / "tmp").string() + "\nErrorLog " + (root / "log/error_log").string() +
                        "\nAccessLog " + (root / "log/access_log").string() + "\nPageLog " +
                        (root / "log/page_log").string() + "\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n");
    test::WriteFile(root / "cupsd.conf",
                    "LogLevel warn\nListen " + socket_.string() +
                        "\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                        "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
    const std::string conf = (root / "cupsd.conf").string();
    const std::string files = (root / "cups-files.conf").string();
    std::vector<char*> argv = {const_cast<char*>(kCupsd), const_cast<char*>("-f"), const_cast<char*>("-c"),
                               const_cast<char*>(conf.c_str()), const_cast<char*>("-s"),
                               const_cast<char*>(files.c_str()), nullptr};
    if (posix_spawn(&pid_, kCupsd, nullptr, nullptr, argv.data(), environ) != 0) pid_ = 0;
  }
  ~PrivateSpooler() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  PrivateSpooler(const PrivateSpooler&) = delete;
  PrivateSpooler& operator=(const PrivateSpooler&) = delete;

  // Waits until the spooler answers on its socket.
  bool WaitReady() {
    for (int i = 0; i < 100 && pid_ > 0; ++i) {
      if (fs::exists(socket_)) {
        cupsSetServer(socket_.c_str());
        if (http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1,
                                        1000, nullptr)) {
          httpClose(http);
          return true;
        }
      }
      if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = 0;
        return false;
      }
      std::this_thread::sleep_for(100ms);
    }
    return false;
  }
  const fs::path& Socket() const { return socket_; }
  std::string ErrorLog() const { return fs::exists(root_ / "log/error_log") ? test::ReadFile(root_ / "log/error_log") : ""; }

 private:
  fs::path root_;
  fs::path socket_;
  pid_t pid_ = 0;
};

std::string WhyNoSpooler() {
  if (!fs::exists(kCupsd)) return "cupsd is not installed (Debian package cups-daemon)";
  if (!fs::exists(kCupsPdfBackend) || !fs::exists(kCupsPdfPpd)) return "cups-pdf is not installed (printer-driver-cups-pdf)";
  // cups-pdf must run as root to write into the job owner's folder; cupsd runs it so only
  // when it runs as root itself.
  if (geteuid() != 0) return "cups-pdf needs a spooler running as root; this test runs as another user";
  return {};
}

// A private spooler for each test, reached through CUPS_SERVER; the test is skipped, with
// the reason, where none can run.
class PrintSpooler : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string why = WhyNoSpooler();
    if (!why.empty()) GTEST_SKIP() << why;
    spooler_ = std::make_unique<PrivateSpooler>(dir.Path());
    if (!spooler_->WaitReady()) GTEST_SKIP() << "cupsd could not start here: " << spooler_->ErrorLog();
    server_ = std::make_unique<test::ScopedEnv>("CUPS_SERVER", spooler_->Socket().string());
  }

  // Adds the test's queue (cups-pdf) to the private spooler.
  void AddQueue() {
    ASSERT_EQ(test::RunProcess({kLpadmin, "-h", spooler_->Socket().string(), "-p", kQueue, "-E", "-v", "cups-pdf:/",
                                "-P", kCupsPdfPpd})
                  .exitCode,
              0);
  }
  // A copy of the sample database, with the bundled layouts in `library`.
  std::unique_ptr<MRBBase> OpenSample(DDFLibrary& library) {
    library.ScanAll();
    fs::copy_file(fs::path(MIRN_BINARY_DIR) / "bin" / "samples" / "sample-labels.mrb", dir / "labels.mrb");
    int code = 0;
    std::unique_ptr<MRBBase> db = OpenDatabase(dir / "labels.mrb", code);
    EXPECT_TRUE(db) << code;
    return db;
  }
  FakeKnownFolders BundledFolders() {
    FakeKnownFolders folders(dir.Path());
    folders.Set(KnownFolder::Program, fs::path(MIRN_BINARY_DIR) / "bin");
    return folders;
  }

  test::TempDir dir;
  std::unique_ptr<PrivateSpooler> spooler_;
  std::unique_ptr<test::ScopedEnv> server_;
};

TEST_F(PrintSpooler, PrintsAJobThroughARealCupsQueue) {

  const test::ProcessResult added =
      test::RunProcess({kLpadmin, "-h", spooler_->Socket().string(), "-p", kQueue, "-E", "-v", "cups-pdf:/", "-P",
                        kCupsPdfPpd, "-L", "Bench 4", "-D", "Labels for the test"});
  ASSERT_EQ(added.exitCode, 0) << added.err;

  CupsPrinterSystem printers;
  const std::vector<std::wstring> names = printers.ListPrinters();
  ASSERT_NE(std::find(names.begin(), names.end(), FromUtf8(kQueue)), names.end());
  const std::optional<PrinterInfo> info = printers.Info(FromUtf8(kQueue));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->location, L"Bench 4");
  EXPECT_EQ(info->comment, L"Labels for the test");
  EXPECT_NE(info->driver.find(L"CUPS-PDF"), std::wstring::npos) << ToUtf8(info->driver);
  EXPECT_EQ(info->port, L"cups-pdf:/");
  EXPECT_EQ(PrinterStatusText(info->status, info->queuedJobs), L"Ready");

  std::optional<DeviceMode> mode = printers.DefaultDeviceMode(FromUtf8(kQueue));
  ASSERT_TRUE(mode);
  const std::optional<PrinterCapabilities> caps = printers.Capabilities(FromUtf8(kQueue), *mode);
  ASSERT_TRUE(caps);
  EXPECT_GT(caps->horzRes, 0);
  EXPECT_GE(caps->offsetLeft, 0);

  const std::string title = "mirn-spooler-" + std::to_string(getpid());
  std::unique_ptr<PrintDocument> doc = printers.StartDocument(FromUtf8(kQueue), *mode, FromUtf8(title));
  ASSERT_TRUE(doc);
  ASSERT_TRUE(doc->StartPage());
  auto& painter = static_cast<PainterDocument&>(*doc).Painter();
  painter.setFont(QFont(QStringLiteral("Liberation Sans"), 14));
  painter.drawText(QPointF(caps->dpiX, caps->dpiY), QStringLiteral("Label 4711 spooled"));
  const double firstWordAdvance = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(QStringLiteral("Label "));
  ASSERT_TRUE(doc->EndPage());
  ASSERT_TRUE(doc->End());

  // The job leaves the queue once cups-pdf has written the file.
  const fs::path out = fs::path(getpwuid(geteuid())->pw_dir) / "PDF";
  fs::path written;
  for (int i = 0; i < 300 && written.empty(); ++i) {
    std::this_thread::sleep_for(100ms);
    if (printers.Info(FromUtf8(kQueue))->queuedJobs != 0 || !fs::exists(out)) continue;
    for (const auto& entry : fs::directory_iterator(out)) {
      if (entry.path().filename().string().find(title) != std::string::npos) written = entry.path();
    }
  }
  ASSERT_FALSE(written.empty()) << "no output in " << out << "\n" << spooler_->ErrorLog();
  // cups-pdf rewrites the fonts and loses their character map (and pdftotext drops the
  // page's first glyph), so the words are checked by where they stand: three words on a page
  // of the queue's paper, the second one word after one inch from the left edge of the
  // printable area, at true size.
  const test::ProcessResult text =
      test::RunProcess({"/usr/bin/pdftotext", "-bbox", written.string(), "-"});
  fs::remove(written);
  ASSERT_EQ(text.exitCode, 0) << text.err;
  const double pageWidth = std::stod(text.out.substr(text.out.find("<page width=\"") + 13));
  EXPECT_NEAR(pageWidth, mode->paperWidth / 254.0 * 72, 1.0) << text.out;
  size_t words = 0;
  double secondX = -1;
  for (size_t at = text.out.find("<word xMin=\""); at != std::string::npos; at = text.out.find("<word xMin=\"", at + 1)) {
    if (words++ == 1) secondX = std::stod(text.out.substr(at + 12));
  }
  EXPECT_EQ(words, 3u) << text.out;
  // Device units start at the printable area, which begins `offsetLeft` from the edge.
  EXPECT_NEAR(secondX, 72.0 * (caps->dpiX + caps->offsetLeft + firstWordAdvance) / caps->dpiX, 0.5) << text.out;
}

// Labels of the sample printed through the queue as the Print command prints them: the job
// reaches the spooler, comes out, and the half-used sheet is remembered for the queue.
TEST_F(PrintSpooler, LabelsPrintThroughTheQueueAndTheSheetIsRemembered) {
  AddQueue();
  FakeKnownFolders folders = BundledFolders();
  DDFLibrary library(folders, false);
  std::unique_ptr<MRBBase> db = OpenSample(library);
  ASSERT_TRUE(db);

  CupsPrinterSystem printers;
  PartialSheetStore sheets(dir / "Partial Sheets.xml");
  PrintLabelsRequest request;
  request.printer = FromUtf8(kQueue);
  request.mode = *printers.DefaultDeviceMode(request.printer);
  request.title = L"mirn-spooler-labels-" + std::to_wstring(getpid());
  request.ids = {L"201", L"202", L"203"};
  request.partialSheets = &sheets;
  QuietPrintJobUi ui;
  const PrintJobResult result = PrintLabels(printers, request, *db, library, {request.printer}, ui, {});
  EXPECT_EQ(result.outcome, PrintOutcome::Completed);
  EXPECT_TRUE(result.documentEnded);
  EXPECT_EQ(result.labelsPrinted, 3);
  EXPECT_EQ(sheets.NextSlot(L"HD40", request.printer, 30), 3);

  const fs::path out = fs::path(getpwuid(geteuid())->pw_dir) / "PDF";
  fs::path written;
  for (int i = 0; i < 300 && written.empty(); ++i) {
    std::this_thread::sleep_for(100ms);
    if (printers.Info(request.printer)->queuedJobs != 0 || !fs::exists(out)) continue;
    for (const auto& entry : fs::directory_iterator(out)) {
      if (entry.path().filename().string().find(ToUtf8(request.title)) != std::string::npos) written = entry.path();
    }
  }
  ASSERT_FALSE(written.empty()) << "no output in " << out << "\n" << spooler_->ErrorLog();
  EXPECT_NE(test::RunProcess({"/usr/bin/pdfinfo", written.string()}).out.find("Pages:           1\n"),
            std::string::npos);
  fs::remove(written);
}

// Cancel at the ready question leaves nothing with the spooler: no job, pending or finished
// (a begun job cannot be withdrawn and comes out as a blank sheet).
TEST_F(PrintSpooler, ACancelledPrintLeavesNoJob) {
  AddQueue();
  FakeKnownFolders folders = BundledFolders();
  DDFLibrary library(folders, false);
  std::unique_ptr<MRBBase> db = OpenSample(library);
  ASSERT_TRUE(db);

  CupsPrinterSystem printers;
  PrintLabelsRequest request;
  request.printer = FromUtf8(kQueue);
  request.mode = *printers.DefaultDeviceMode(request.printer);
  request.title = L"mirn-spooler-cancel-" + std::to_wstring(getpid());
  request.ids = {L"201", L"202"};
  QuietPrintJobUi cancel(false);
  const PrintJobResult result = PrintLabels(printers, request, *db, library, {request.printer}, cancel, {});
  EXPECT_EQ(result.outcome, PrintOutcome::Cancelled);
  EXPECT_EQ(result.pagesPrinted, 0);

  std::this_thread::sleep_for(500ms);
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, kQueue, 0, CUPS_WHICHJOBS_ALL);
  cupsFreeJobs(count, jobs);
  EXPECT_EQ(count, 0) << "jobs the spooler saw for " << kQueue;
  EXPECT_EQ(printers.Info(request.printer)->queuedJobs, 0);
}

}  // namespace
}  // namespace mirn
