#include "exchange/ZipMembers.h"

#include <stdexcept>

#include <zip.h>

#include "platform/SharedLibrary.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

// libzip, loaded with the first workbook read (see SharedLibrary).
struct ZipApi {
  decltype(&::zip_error_init) zip_error_init = nullptr;
  decltype(&::zip_source_buffer_create) zip_source_buffer_create = nullptr;
  decltype(&::zip_open_from_source) zip_open_from_source = nullptr;
  decltype(&::zip_source_free) zip_source_free = nullptr;
  decltype(&::zip_error_fini) zip_error_fini = nullptr;
  decltype(&::zip_discard) zip_discard = nullptr;
  decltype(&::zip_name_locate) zip_name_locate = nullptr;
  decltype(&::zip_stat_init) zip_stat_init = nullptr;
  decltype(&::zip_stat) zip_stat = nullptr;
  decltype(&::zip_fopen) zip_fopen = nullptr;
  decltype(&::zip_strerror) zip_strerror = nullptr;
  decltype(&::zip_fclose) zip_fclose = nullptr;
  decltype(&::zip_fread) zip_fread = nullptr;
  decltype(&::zip_file_strerror) zip_file_strerror = nullptr;
  std::string error;
};

const ZipApi& Zip() {
  static const ZipApi loaded = [] {
    static SharedLibrary library("libzip.so.4");
    ZipApi api;
    library.Find("zip_error_init", api.zip_error_init);
    library.Find("zip_source_buffer_create", api.zip_source_buffer_create);
    library.Find("zip_open_from_source", api.zip_open_from_source);
    library.Find("zip_source_free", api.zip_source_free);
    library.Find("zip_error_fini", api.zip_error_fini);
    library.Find("zip_discard", api.zip_discard);
    library.Find("zip_name_locate", api.zip_name_locate);
    library.Find("zip_stat_init", api.zip_stat_init);
    library.Find("zip_stat", api.zip_stat);
    library.Find("zip_fopen", api.zip_fopen);
    library.Find("zip_strerror", api.zip_strerror);
    library.Find("zip_fclose", api.zip_fclose);
    library.Find("zip_fread", api.zip_fread);
    library.Find("zip_file_strerror", api.zip_file_strerror);
    api.error = library.Error();
    return api;
  }();
  return loaded;
}

[[noreturn]] void OverLimit(const std::string& name) {
  throw std::runtime_error(
      FormatString(TrUtf8("ZipReader", "member %1 expands beyond the limit (a damaged file or a zip bomb)"), {name}));
}

}  // namespace

ZipMembers::ZipMembers(std::string_view bytes, std::uint64_t totalLimit) : totalLimit_(totalLimit) {
  if (!Zip().error.empty()) throw std::runtime_error(Zip().error);
  zip_error_t error;
  Zip().zip_error_init(&error);
  zip_source_t* source = Zip().zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source) {
    archive_ = Zip().zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive_) Zip().zip_source_free(source);
  }
  Zip().zip_error_fini(&error);
  if (!archive_) throw NotAZipFile(TrUtf8("ZipReader", "not a zip file"));
}

ZipMembers::~ZipMembers() {
  if (archive_) Zip().zip_discard(archive_);
}

bool ZipMembers::Has(const std::string& name) const { return Zip().zip_name_locate(archive_, name.c_str(), 0) >= 0; }

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
  Zip().zip_stat_init(&st);
  if (Zip().zip_stat(owner.archive_, name.c_str(), 0, &st) != 0) throw std::runtime_error(FormatString(TrUtf8("ZipReader", "no member %1"), {name}));
  if ((st.valid & ZIP_STAT_SIZE) && st.size > limit) OverLimit(name);
  if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
    throw std::runtime_error(FormatString(TrUtf8("ZipReader", "member %1 is encrypted"), {name}));
  file_ = Zip().zip_fopen(owner.archive_, name.c_str(), 0);
  if (!file_) {
    throw std::runtime_error(
        FormatString(TrUtf8("ZipReader", "member %1 cannot be read: %2"), {name, Zip().zip_strerror(owner.archive_)}));
  }
}

ZipMembers::Stream::~Stream() {
  if (file_) Zip().zip_fclose(file_);
}

size_t ZipMembers::Stream::ReadInto(std::string& out, size_t size) {
  const size_t before = out.size();
  out.resize(before + size);
  const zip_int64_t n = Zip().zip_fread(file_, out.data() + before, size);
  if (n < 0) {
    out.resize(before);
    throw std::runtime_error(FormatString(TrUtf8("ZipReader", "member %1 is damaged: %2"), {name_, Zip().zip_file_strerror(file_)}));
  }
  out.resize(before + static_cast<size_t>(n));
  read_ += static_cast<std::uint64_t>(n);
  if (read_ > limit_) OverLimit(name_);
  owner_->Count(static_cast<std::uint64_t>(n), name_);
  return static_cast<size_t>(n);
}

}  // namespace mirn
