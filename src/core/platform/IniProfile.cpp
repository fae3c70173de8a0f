#include "platform/IniProfile.h"

#include "platform/AtomicWrite.h"
#include "platform/KnownFolders.h"

namespace mirn {

IniProfile::IniProfile(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path IniProfile::DefaultPath(const KnownFolders& folders) {
  return folders.Get(KnownFolder::RoamingAppData) / "Mirn" / "Mirn Labeling System.conf";
}

void IniProfile::SetReadFailureHandler(ReadFailureHandler handler) {
  std::lock_guard lock(mutex_);
  onReadFailure_ = std::move(handler);
}

void IniProfile::NoteReadFailureLocked(std::error_code cause) const {
  readError_ = cause;
  loaded_ = false;
  if (reported_) return;
  reported_ = true;
  if (onReadFailure_) onReadFailure_(file_, cause);
}

void IniProfile::RefreshLocked() const {
  std::error_code ec;
  const auto stamp = std::filesystem::last_write_time(file_, ec);
  if (ec == std::errc::no_such_file_or_directory) {  // no file (yet): an empty store
    doc_ = IniDocument();
    loaded_ = true;
    size_ = static_cast<std::uintmax_t>(-1);
    readError_.clear();
    reported_ = false;
    return;
  }
  if (ec) return NoteReadFailureLocked(ec);
  const auto size = std::filesystem::file_size(file_, ec);
  if (loaded_ && !ec && stamp == stamp_ && size == size_) return;
  std::string bytes;
  std::error_code readError;
  if (!ReadWholeFile(file_, bytes, &readError)) return NoteReadFailureLocked(readError);
  doc_ = IniDocument::Parse(bytes);
  stamp_ = stamp;
  size_ = ec ? static_cast<std::uintmax_t>(-1) : size;
  loaded_ = true;
  readError_.clear();
  reported_ = false;
}

int IniProfile::GetInt(std::wstring_view section, std::wstring_view key, int defaultValue) const {
  std::lock_guard lock(mutex_);
  RefreshLocked();
  return IniDocument::ToInt(doc_.Find(section, key), defaultValue);
}

std::wstring IniProfile::GetString(std::wstring_view section, std::wstring_view key,
                                   std::wstring_view defaultValue) const {
  std::lock_guard lock(mutex_);
  RefreshLocked();
  const std::wstring* v = doc_.Find(section, key);
  return v ? *v : std::wstring(defaultValue);
}

bool IniProfile::Has(std::wstring_view section, std::wstring_view key) const {
  std::lock_guard lock(mutex_);
  RefreshLocked();
  return doc_.Find(section, key) != nullptr;
}

bool IniProfile::WriteInt(std::wstring_view section, std::wstring_view key, int value) {
  return WriteString(section, key, std::to_wstring(value));
}

bool IniProfile::WriteString(std::wstring_view section, std::wstring_view key,
                             std::wstring_view value) {
  std::lock_guard lock(mutex_);
  RefreshLocked();
  if (readError_) return false;
  // The file already says so: a start and a close store mostly what is there, and each
  // rewrite costs a flush to disk.
  if (const std::wstring* stored = doc_.Find(section, key); stored && *stored == value) return true;
  IniDocument next = doc_;
  next.Set(section, key, value);
  if (!WriteFileAtomically(file_, next.Serialize())) return false;
  doc_ = std::move(next);
  loaded_ = false;  // take the new time and size at the next read
  return true;
}

}  // namespace mirn
