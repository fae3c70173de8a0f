#pragma once
// Helpers shared by the tests.

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mirn::test {

// A fresh folder under the system's temporary folder, removed with its content at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Sets (or, with nothing, unsets) an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(std::string name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// A small tmpfs mounted on a fresh folder, for tests of a full disk; unmounted at the end.
// Mounting needs privileges: when it fails, Mounted() is false and SkipReason() says why.
class SmallDisk {
 public:
  explicit SmallDisk(size_t bytes);
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;
  bool Mounted() const { return mounted_; }
  std::string SkipReason() const { return reason_; }
  const std::filesystem::path& Path() const { return dir_.Path(); }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return dir_ / name; }
  // Fills what room is left with a file "filler" (the next write fails with ENOSPC).
  void Fill() const;

 private:
  TempDir dir_;
  bool mounted_ = false;
  std::string reason_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// Runs a program with arguments (no shell); captures standard output and error.
struct ProcessResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& input = {});

// A forked child process that is killed and reaped when it goes out of scope, so that a test
// that ends early (a failed ASSERT) never leaves a child waiting and the suite hanging.
class ForkedChild {
 public:
  // Forks; the child runs `body` and ends with its result (without running the parent's
  // exit handlers). Throws when the fork fails.
  explicit ForkedChild(const std::function<int()>& body);
  ~ForkedChild();
  ForkedChild(const ForkedChild&) = delete;
  ForkedChild& operator=(const ForkedChild&) = delete;
  pid_t Pid() const { return pid_; }
  // Waits for the child to end; its wait status.
  int Wait();
  // Kills the child (SIGKILL) and waits for it; its wait status.
  int Kill();

 private:
  pid_t pid_ = -1;
  bool reaped_ = false;
  int status_ = 0;
};

}  // namespace mirn::test
