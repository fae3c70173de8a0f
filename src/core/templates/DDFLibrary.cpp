#include "templates/DDFLibrary.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <optional>

#include "app/StringTable.h"
#include "platform/KnownFolders.h"
#include "templates/DDFException.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::filesystem::path CompanyFolder(const KnownFolders& folders, KnownFolder which) {
  return folders.Get(which) / ToPath(LoadString(kStrCompany));
}

bool HasTemplateExtension(std::string_view name) {
  return name.size() > 4 && EqualsNoCase(FromUtf8(name.substr(name.size() - 4)), L".ddf");
}

}  // namespace

std::optional<std::int64_t> FileJulianMicros(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return JulianMicrosFromUnixSeconds(static_cast<std::int64_t>(st.st_mtim.tv_sec));
}

// One directory's entries, sorted by name so that scans do not depend on the order the file
// system happens to list them in.
struct DDFLibrary::Listing {
  struct File {
    std::wstring name;
    std::filesystem::path path;
    std::optional<std::int64_t> mtime;
  };
  std::vector<std::filesystem::path> directories;
  std::vector<File> files;
};

DDFLibrary::DDFLibrary(const KnownFolders& folders, bool useCache)
    : DDFLibrary(folders, useCache ? DefaultCacheFile(folders) : std::filesystem::path()) {}

DDFLibrary::DDFLibrary(const KnownFolders& folders, const std::filesystem::path& cacheFile)
    : folders_(folders), cache_(cacheFile.empty() ? DDFCache() : DDFCache(cacheFile)) {}

std::filesystem::path DDFLibrary::DefaultCacheFile(const KnownFolders& folders) {
  return CompanyFolder(folders, KnownFolder::Cache) / "ddfcache.db";
}

std::vector<std::filesystem::path> DDFLibrary::GetFolders() const {
  std::vector<std::filesystem::path> result;
  for (const auto& folder : {folders_.Get(KnownFolder::Program) / "ddf",
                             CompanyFolder(folders_, KnownFolder::ProgramData) / "ddf",
                             CompanyFolder(folders_, KnownFolder::LocalAppData) / "ddf"}) {
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) result.push_back(folder);
  }
  return result;
}

void DDFLibrary::Scan(const std::filesystem::path& folder, const ScanCallback& callback) {
  const bool began = cache_.BeginScan();
  std::vector<std::pair<std::uint64_t, std::uint64_t>> visited;
  ScanDirectory(folder, callback, visited);
  if (began) cache_.CommitScan();
}

std::size_t DDFLibrary::ScanAll() {
  std::size_t fresh = 0;
  for (const auto& folder : GetFolders())
    Scan(folder, [&fresh](const std::wstring&, const std::wstring&) {
      ++fresh;
      return true;
    });
  return fresh;
}

void DDFLibrary::ScanDirectory(const std::filesystem::path& directory, const ScanCallback& callback,
                               std::vector<std::pair<std::uint64_t, std::uint64_t>>& visited) {
  struct stat st {};
  if (::stat(directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
  // A link back to a folder above would otherwise make the walk endless.
  const std::pair<std::uint64_t, std::uint64_t> identity{st.st_dev, st.st_ino};
  if (std::find(visited.begin(), visited.end(), identity) != visited.end()) return;
  visited.push_back(identity);

  Listing listing;
  {
    DIR* dir = ::opendir(directory.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
      const std::string_view name(entry->d_name);
      if (name == "." || name == "..") continue;
      const std::filesystem::path path = directory / entry->d_name;
      bool isDirectory = entry->d_type == DT_DIR;
      if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
        struct stat target {};
        isDirectory = ::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
      }
      if (isDirectory)
        listing.directories.push_back(path);
      else if (HasTemplateExtension(name))
        listing.files.push_back({FromUtf8(name), path, std::nullopt});
    }
    ::closedir(dir);
  }
  std::sort(listing.directories.begin(), listing.directories.end());
  std::sort(listing.files.begin(), listing.files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });

  for (const auto& sub : listing.directories) ScanDirectory(sub, callback, visited);

  for (auto& file : listing.files) file.mtime = FileJulianMicros(file.path);
  const std::wstring key = FromPath(directory);
  if (TryCache(key, listing)) {
    ++statistics_.directoriesFromCache;
    return;
  }
  if (listing.files.empty()) return;
  ++statistics_.directoriesRead;

  std::vector<std::pair<std::wstring, CDDFInfo>> accepted;
  for (const auto& file : listing.files) {
    DDFHeaderInfo header;
    ++statistics_.headersRead;
    try {
      if (!file.mtime || !CDDFTemplate::ReadInfo(file.path, header)) {
        ++statistics_.filesSkipped;
        continue;
      }
    } catch (const DDFException&) {
      // Unreadable files are skipped like invalid ones; the scan goes on.
      ++statistics_.filesSkipped;
      continue;
    }
    CDDFInfo info{FromPath(file.path), *file.mtime, header.typeCode, header.groupName, header.description};
    if (!Offer(info)) continue;
    accepted.emplace_back(file.name, info);
    if (callback && !callback(info.typeCode, info.description)) return;
  }
  cache_.Write(key, accepted);
}

bool DDFLibrary::TryCache(const std::wstring& directory, const Listing& listing) {
  if (!cache_.IsOpen()) return false;
  std::map<std::wstring, CDDFInfo> rows = cache_.Read(directory);
  if (rows.empty()) return false;
  std::size_t matches = 0;
  for (const auto& file : listing.files) {
    const auto row = rows.find(file.name);
    if (row == rows.end() || !file.mtime || row->second.mtime != *file.mtime) {
      cache_.Forget(directory);
      return false;
    }
    ++matches;
  }
  if (matches != rows.size()) {  // a cached file is gone
    cache_.Forget(directory);
    return false;
  }
  for (const auto& [name, info] : rows) Offer(info);
  return true;
}

bool DDFLibrary::Offer(const CDDFInfo& info) {
  const auto existing = entries_.find(info.typeCode);
  if (existing != entries_.end() && existing->second.mtime > info.mtime) return false;
  entries_[info.typeCode] = info;
  groups_[info.groupName].push_back(info.typeCode);
  return true;
}

const CDDFInfo& DDFLibrary::GetInfo(const std::wstring& typeCode) const {
  const auto it = entries_.find(typeCode);
  if (it == entries_.end()) throw DDFLibraryException(L"requested DDF not found in library: " + typeCode);
  return it->second;
}

std::shared_ptr<const CDDFTemplate> DDFLibrary::GetTemplate(const std::wstring& typeCode) {
  const auto it = entries_.find(typeCode);
  if (it == entries_.end()) throw DDFLibraryException(L"requested DDF not found in library: " + typeCode);
  CDDFInfo& info = it->second;
  const std::filesystem::path path = ToPath(info.path);
  const auto held = templates_.find(typeCode);
  const std::optional<std::int64_t> now = FileJulianMicros(path);
  // A file that vanished since it was read keeps serving the template already held.
  if (held != templates_.end() && (!now || info.mtime >= *now)) return held->second;

  auto loaded = std::make_shared<const CDDFTemplate>(CDDFTemplate::Load(path));
  info.mtime = now.value_or(info.mtime);
  info.typeCode = loaded->GetTypeCode();
  info.groupName = loaded->GetGroupName();
  info.description = loaded->GetDescription();
  templates_[typeCode] = loaded;
  return loaded;
}

}  // namespace mirn
