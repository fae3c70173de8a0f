#pragma once
// Starting another program: a program path and its arguments, never a command line for a
// shell, so that no path or argument is ever interpreted. The program runs on its own;
// nothing waits for it.

#include <filesystem>
#include <string>
#include <vector>

namespace mirn {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts `program` with `arguments` (after the program's own name). False when it could
  // not be started.
  virtual bool Start(const std::filesystem::path& program, const std::vector<std::string>& arguments) = 0;
};

// Starts programs with posix_spawn. The child gets no descriptor beyond standard input,
// output and error, and is reaped when it ends, so no zombie stays behind.
class PosixLauncher final : public Launcher {
 public:
  bool Start(const std::filesystem::path& program, const std::vector<std::string>& arguments) override;
};

// The fake for tests: records each start and answers `succeeds`.
class RecordingLauncher final : public Launcher {
 public:
  struct Launch {
    std::filesystem::path program;
    std::vector<std::string> arguments;
  };
  std::vector<Launch> launches;
  bool succeeds = true;

  bool Start(const std::filesystem::path& program, const std::vector<std::string>& arguments) override {
    launches.push_back({program, arguments});
    return succeeds;
  }
};

}  // namespace mirn
