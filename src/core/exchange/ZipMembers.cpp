#include "exchange/ZipMembers.h"

#include <stdexcept>

#include <zip.h>

#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

[[noreturn]] void OverLimit(const std::string& name) {
  throw std::runtime_error(
      FormatString(TrUtf8("ZipReader", "member %1 expands beyond the limit (a damaged file or a zip bomb)"), {name}));
}

}  // namespace

ZipMembers::ZipMembers(std::string_view bytes, std::uint64_t totalLimit) : totalLimit_(totalLimit) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source) {
    archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive_) zip_source_free(source);
  }
  zip_error_fini(&error);
  if (!archive_) throw NotAZipFile(TrUtf8("ZipReader", "not a zip file"));
}

ZipMembers::~ZipMembers() {
  if (archive_) zip_discard(archive_);
}

bool ZipMembers::Has(const std::string& name) const { return zip_name_locate(archive_, name.c_str(), 0) >= 0; }

void ZipMembers::Count(std::uint64_t bytes, const std::string& name) {
  total_ += bytes;
  if (total_ > totalLimit_) OverLimit(name);
}

std::string ZipMembers::Read(const std::string& name, std::uint64_t limit) {
  Stream stream(*this, name, limit);
  std::string out;
  while (stream.ReadInto(out, 1 << 16) != 0) {
  }
  return out;
}

ZipMembers::Stream::Stream(ZipMembers& owner, const std::string& name, std::uint64_t limit)
    : owner_(&owner), name_(name), limit_(limit) {
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat(owner.archive_, name.c_str(), 0, &st) != 0) throw std::runtime_error(FormatString(TrUtf8("ZipReader", "no member %1"), {name}));
  if ((st.valid & ZIP_STAT_SIZE) && st.size > limit) OverLimit(name);
  if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
    throw std::runtime_error(FormatString(TrUtf8("ZipReader", "member %1 is encrypted"), {name}));
  file_ = zip_fopen(owner.archive_, name.c_str(), 0);
  if (!file_) {
    throw std::runtime_error(
        FormatString(TrUtf8("ZipReader", "member %1 cannot be read: %2"), {name, zip_strerror(owner.archive_)}));
  }
}

ZipMembers::Stream::~Stream() {
  if (file_) zip_fclose(file_);
}

size_t ZipMembers::Stream::ReadInto(std::string& out, size_t size) {
  const size_t before = out.size();
  out.resize(before + size);
  const zip_int64_t n = zip_fread(file_, out.data() + before, size);
  if (n < 0) {
    out.resize(before);
    throw std::runtime_error(FormatString(TrUtf8("ZipReader", "member %1 is damaged: %2"), {name_, zip_file_strerror(file_)}));
  }
  out.resize(before + static_cast<size_t>(n));
  read_ += static_cast<std::uint64_t>(n);
  if (read_ > limit_) OverLimit(name_);
  owner_->Count(static_cast<std::uint64_t>(n), name_);
  return static_cast<size_t>(n);
}

}  // namespace mirn
