#include "support/TestSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/Guid.h"
#include "util/Text.h"

extern char** environ;

namespace mirn::test {

TempDir::TempDir() {
  const char* tmp = std::getenv("TMPDIR");
  std::filesystem::path base = tmp && *tmp ? tmp : "/tmp";
  path_ = base / ("mirn-test-" + ToUtf8(NewGuid()));
  std::filesystem::create_directories(path_);
}

SmallDisk::SmallDisk(size_t bytes) {
  const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
  if (::mount("mirn-test", dir_.Path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0) {
    mounted_ = true;
  } else {
    reason_ = "cannot mount a small tmpfs here (" + std::error_code(errno, std::generic_category()).message() +
              "): the full-disk case is not tested";
  }
}

SmallDisk::~SmallDisk() {
  if (mounted_) ::umount2(dir_.Path().c_str(), MNT_DETACH);
}

void SmallDisk::Fill() const {
  const int fd = ::open((dir_ / "filler").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  if (fd < 0) return;
  std::vector<char> block(65536, 'f');
  for (size_t size = block.size(); size > 0;) {
    if (::write(fd, block.data(), size) < 0) size /= 2;
  }
  ::close(fd);
}

TempDir::~TempDir() {
  std::error_code ec;
  // Tests may leave read-only folders behind; make everything removable first.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(path_, ec);
}

ScopedEnv::ScopedEnv(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) old_ = old;
  if (value) {
    ::setenv(name_.c_str(), value->c_str(), 1);
  } else {
    ::unsetenv(name_.c_str());
  }
}

ScopedEnv::~ScopedEnv() {
  if (old_) {
    ::setenv(name_.c_str(), old_->c_str(), 1);
  } else {
    ::unsetenv(name_.c_str());
  }
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

namespace {

std::string Drain(int fd) {
  std::string data;
  char buf[65536];
  ssize_t n;
  while ((n = ::read(fd, buf, sizeof buf)) > 0) data.append(buf, static_cast<size_t>(n));
  ::close(fd);
  return data;
}

// The environment for a program a test starts: the test's own, with the language of messages
// set to English whatever the locale of the person running the tests, since the tests
// compare the programs' English texts. LANGUAGE chooses the language of messages only.
std::vector<std::string> EnglishEnvironment() {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::string_view(*entry).rfind("LANGUAGE=", 0) != 0) env.emplace_back(*entry);
  }
  env.emplace_back("LANGUAGE=en");
  return env;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& input) {
  ::signal(SIGPIPE, SIG_IGN);  // a child that stops reading must not end the test
  int inPipe[2], outPipe[2], errPipe[2];
  if (::pipe2(inPipe, O_CLOEXEC) || ::pipe2(outPipe, O_CLOEXEC) || ::pipe2(errPipe, O_CLOEXEC)) {
    throw std::runtime_error("pipe failed");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, inPipe[0], 0);
  posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  std::vector<std::string> environment = EnglishEnvironment();
  std::vector<char*> envp;
  for (auto& e : environment) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(inPipe[0]);
  ::close(outPipe[1]);
  ::close(errPipe[1]);
  if (rc != 0) {
    ::close(inPipe[1]);
    ::close(outPipe[0]);
    ::close(errPipe[0]);
    throw std::runtime_error("cannot start " + argv[0]);
  }
  std::thread writer([fd = inPipe[1], &input] {
    size_t off = 0;
    while (off < input.size()) {
      const ssize_t n = ::write(fd, input.data() + off, input.size() - off);
      if (n <= 0) break;
      off += static_cast<size_t>(n);
    }
    ::close(fd);
  });
  ProcessResult result;
  std::thread errReader([&] { result.err = Drain(errPipe[0]); });
  result.out = Drain(outPipe[0]);
  errReader.join();
  writer.join();
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

ForkedChild::ForkedChild(const std::function<int()>& body) {
  pid_ = ::fork();
  if (pid_ < 0) throw std::system_error(errno, std::generic_category(), "fork");
  if (pid_ == 0) _exit(body());
}

ForkedChild::~ForkedChild() {
  if (!reaped_) Kill();
}

int ForkedChild::Wait() {
  if (reaped_) return status_;
  while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
  }
  reaped_ = true;
  return status_;
}

int ForkedChild::Kill() {
  if (!reaped_) ::kill(pid_, SIGKILL);
  return Wait();
}

}  // namespace mirn::test
