#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "platform/Launcher.h"

extern char** environ;

namespace mirn {

bool PosixLauncher::Start(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> args;
  args.reserve(arguments.size() + 1);
  args.push_back(program.filename().string());
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return false;
  // The database, its lock and the settings stay with this process.
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // A session of its own: the program outlives this one and its terminal.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

  pid_t pid = 0;
  const int failed = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) return false;
  // Nothing waits for the program's end, except this to collect its exit status.
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return true;
}

}  // namespace mirn
