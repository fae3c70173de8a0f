#include "db/GraphicFiles.h"

#include <openssl/evp.h>

#include <fstream>
#include <memory>

#include "db/SQLiteDB.h"
#include "platform/SharedLibrary.h"
#include "platform/KnownFolders.h"
#include "util/Text.h"

namespace mirn {
namespace {

// libcrypto, loaded with the first picture digest (see SharedLibrary).
struct CryptoApi {
  decltype(&::EVP_MD_CTX_new) EVP_MD_CTX_new = nullptr;
  decltype(&::EVP_MD_CTX_free) EVP_MD_CTX_free = nullptr;
  decltype(&::EVP_DigestInit_ex) EVP_DigestInit_ex = nullptr;
  decltype(&::EVP_sha1) EVP_sha1 = nullptr;
  decltype(&::EVP_DigestUpdate) EVP_DigestUpdate = nullptr;
  decltype(&::EVP_DigestFinal_ex) EVP_DigestFinal_ex = nullptr;
};

const CryptoApi* Crypto() {
  static const CryptoApi* loaded = [] {
    static SharedLibrary library("libcrypto.so.3");
    static CryptoApi api;
    library.Find("EVP_MD_CTX_new", api.EVP_MD_CTX_new);
    library.Find("EVP_MD_CTX_free", api.EVP_MD_CTX_free);
    library.Find("EVP_DigestInit_ex", api.EVP_DigestInit_ex);
    library.Find("EVP_sha1", api.EVP_sha1);
    library.Find("EVP_DigestUpdate", api.EVP_DigestUpdate);
    library.Find("EVP_DigestFinal_ex", api.EVP_DigestFinal_ex);
    return library.Loaded() ? &api : nullptr;
  }();
  return loaded;
}

bool IsSeparator(wchar_t ch) { return ch == L'\\' || ch == L'/'; }

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// The folder search: `folder` joined with the k innermost folder names of the stored path and
// its file name, for k = 1, 2, ...
std::filesystem::path SearchFolder(const std::filesystem::path& folder, std::wstring_view stored) {
  std::vector<std::wstring> parts = SplitStoredPath(stored);
  if (parts.size() < 2 || folder.empty()) return {};
  const std::wstring file = parts.back();
  parts.pop_back();
  // The root is not a folder name: a drive ("C:") or the empty part before a leading "/".
  size_t first = 0;
  if (!parts.empty() && parts[0].size() == 2 && parts[0][1] == L':') first = 1;
  for (size_t k = 1; first + k <= parts.size(); ++k) {
    std::filesystem::path candidate = folder;
    for (size_t i = parts.size() - k; i < parts.size(); ++i) candidate /= ToPath(parts[i]);
    candidate /= ToPath(file);
    if (IsRegularFile(candidate)) return candidate;
  }
  return {};
}

}  // namespace

std::vector<std::wstring> SplitStoredPath(std::wstring_view path) {
  std::vector<std::wstring> parts;
  std::wstring current;
  for (wchar_t ch : path) {
    if (IsSeparator(ch)) {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += ch;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

std::wstring StoredFileName(std::wstring_view path) {
  const size_t cut = path.find_last_of(L"\\/");
  return std::wstring(cut == std::wstring_view::npos ? path : path.substr(cut + 1));
}

std::wstring StoredExtension(std::wstring_view path) {
  const std::wstring name = StoredFileName(path);
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot);
}

std::filesystem::path JoinStoredPath(const std::filesystem::path& folder, std::wstring_view relative) {
  std::filesystem::path joined = folder;
  for (const auto& part : SplitStoredPath(relative)) {
    if (part != L".") joined /= ToPath(part);
  }
  return joined;
}

std::wstring EmbeddedPlaceholderPath(std::wstring_view extension) {
  std::wstring path = L"C:\\embedded graphic\\upgrade-to-mirn-3_point_2-or-higher-to-see-it";
  path += extension;
  return path;
}

std::wstring ResolveGraphicPath(const MRBGraphic& graphic, const std::filesystem::path& baseFolder,
                                const KnownFolders& folders) {
  const std::wstring fileName = StoredFileName(graphic.fileName);
  const std::filesystem::path pictures = folders.Get(KnownFolder::Pictures);
  const std::filesystem::path documents = folders.Get(KnownFolder::Documents);
  // Only regular files count: an empty stored name must not answer the folder itself.
  const auto inFolder = [&](const std::filesystem::path& folder, std::wstring_view part) {
    return folder.empty() || part.empty() ? std::filesystem::path() : JoinStoredPath(folder, part);
  };
  const std::filesystem::path candidates[] = {
      graphic.fileName.empty() ? std::filesystem::path() : ToPath(graphic.fileName),
      inFolder(baseFolder, graphic.relativeName),
      inFolder(baseFolder, fileName),
      SearchFolder(pictures, graphic.fileName),
      inFolder(pictures, fileName),
      inFolder(pictures, graphic.relativeName),
      SearchFolder(documents, graphic.fileName),
      inFolder(documents, fileName),
      inFolder(documents, graphic.relativeName),
  };
  for (const auto& candidate : candidates) {
    if (IsRegularFile(candidate)) return FromPath(candidate);
  }
  return {};
}

std::wstring Sha1OfFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const CryptoApi* crypto = Crypto();
  if (!crypto) return {};
  std::unique_ptr<EVP_MD_CTX, decltype(crypto->EVP_MD_CTX_free)> context(crypto->EVP_MD_CTX_new(),
                                                                          crypto->EVP_MD_CTX_free);
  if (!context || crypto->EVP_DigestInit_ex(context.get(), crypto->EVP_sha1(), nullptr) != 1) return {};
  std::vector<char> buffer(static_cast<size_t>(SQLiteDB::kBlobChunk));
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.bad()) return {};
    if (in.gcount() > 0 &&
        crypto->EVP_DigestUpdate(context.get(), buffer.data(), static_cast<size_t>(in.gcount())) != 1) {
      return {};
    }
  }
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (crypto->EVP_DigestFinal_ex(context.get(), digest, &length) != 1) return {};
  static constexpr wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring text;
  for (unsigned int i = 0; i < length; ++i) {
    text += kDigits[digest[i] >> 4];
    text += kDigits[digest[i] & 0x0F];
  }
  return text;
}

bool IsSha1Text(std::wstring_view text) {
  if (text.size() != 40) return false;
  for (wchar_t ch : text) {
    if (!((ch >= L'0' && ch <= L'9') || (ch >= L'a' && ch <= L'f'))) return false;
  }
  return true;
}

}  // namespace mirn
