#include "db/WorkFiles.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <utility>
#include <vector>

#include "platform/FileLock.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr std::string_view kPrefix = "mirn-";
constexpr std::string_view kSuffix = ".work";
constexpr std::string_view kJournal = "-journal";
constexpr std::string_view kLegacyPrefix = "mirn-legacy-";
constexpr std::string_view kFilterSocketPrefix = "mirn-filters-";
constexpr size_t kGuidLength = 36;
constexpr size_t kHashLength = 40;

bool IsWorkFileName(std::string_view name) {
  return name.size() == kPrefix.size() + kGuidLength + kSuffix.size() && name.starts_with(kPrefix) &&
         name.ends_with(kSuffix);
}

// "PID-rest": the process id and what follows its dash, or a pid of 0 when `name` does not
// start that way.
std::pair<long, std::string_view> LeadingPid(std::string_view name) {
  const size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 10) return {0, {}};
  long pid = 0;
  for (size_t i = 0; i < dash; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return {0, {}};
    pid = pid * 10 + (name[i] - '0');
  }
  return {pid, name.substr(dash + 1)};
}

// "PID-HASH" or "PID-HASH.ext": the process id when the name has that form, else 0.
long ExtractionOwner(std::string_view name) {
  const auto [pid, rest] = LeadingPid(name);
  if (pid == 0 || rest.size() < kHashLength) return 0;
  for (size_t i = 0; i < kHashLength; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(rest[i]))) return 0;
  }
  if (rest.size() > kHashLength && rest[kHashLength] != '.') return 0;
  return pid;
}

// "PREFIX-PID-…": the process id when the name has that form, else 0.
long OwnerAfter(std::string_view prefix, std::string_view name) {
  if (!name.starts_with(prefix)) return 0;
  return LeadingPid(name.substr(prefix.size())).first;
}

bool ProcessRuns(long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

}  // namespace

std::filesystem::path WorkFileName(const std::wstring& guid) {
  return std::string(kPrefix) + ToUtf8(guid) + std::string(kSuffix);
}

std::string FilterSocketName(const std::string& tag) {
  return std::string(kFilterSocketPrefix) + std::to_string(::getpid()) + "-" + tag;
}

std::filesystem::path LegacyTemporaryName(const std::wstring& guid) {
  return std::string(kLegacyPrefix) + std::to_string(::getpid()) + "-" + ToUtf8(guid);
}

void RemoveStaleWorkFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> journals;
  std::error_code ec;
  for (auto it = std::filesystem::directory_iterator(folder, ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (IsWorkFileName(name)) {
      RemoveIfUnlocked(it->path());
    } else if (name.ends_with(kJournal) && IsWorkFileName(name.substr(0, name.size() - kJournal.size()))) {
      journals.push_back(it->path());
    } else if (const long pid = std::max(ExtractionOwner(name), OwnerAfter(kLegacyPrefix, name)); pid > 0 && !ProcessRuns(pid)) {
      std::error_code ignored;
      if (it->is_regular_file(ignored)) std::filesystem::remove(it->path(), ignored);
    } else if (const long owner = OwnerAfter(kFilterSocketPrefix, name); owner > 0 && !ProcessRuns(owner)) {
      std::error_code ignored;
      if (it->is_socket(ignored)) std::filesystem::remove(it->path(), ignored);
    }
  }
  for (const auto& journal : journals) {
    const std::string owner = journal.string().substr(0, journal.string().size() - kJournal.size());
    std::error_code ignored;
    if (!std::filesystem::exists(owner, ignored)) std::filesystem::remove(journal, ignored);
  }
}

}  // namespace mirn
