#pragma once
// Helpers shared by the tests.

#include <filesystem>
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

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// Runs a program with arguments (no shell); captures standard output and error.
struct ProcessResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& input = {});

}  // namespace mirn::test
