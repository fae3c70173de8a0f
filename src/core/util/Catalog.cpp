#include "util/Catalog.h"

#include <atomic>
#include <climits>

#include "util/CountText.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::atomic<const Catalog*> g_catalog{nullptr};

std::wstring ReplaceCount(std::wstring text, long long count) {
  const std::wstring digits = CountText(count);
  for (size_t at = text.find(L"%n"); at != std::wstring::npos; at = text.find(L"%n", at + digits.size())) {
    text.replace(at, 2, digits);
  }
  return text;
}

}  // namespace

void InstallCatalog(const Catalog* catalog) { g_catalog.store(catalog, std::memory_order_release); }

const Catalog* InstalledCatalog() { return g_catalog.load(std::memory_order_acquire); }

std::wstring Tr(const char* context, const char* source) {
  if (const Catalog* catalog = InstalledCatalog()) {
    const std::string translated = catalog->Translate(context, source, nullptr, -1);
    if (!translated.empty()) return FromUtf8(translated);
  }
  return FromUtf8(source);
}

std::wstring TrN(const char* context, const char* many, const char* one, long long count) {
  if (const Catalog* catalog = InstalledCatalog()) {
    // The translation files count in int; a count beyond it takes the form of the largest.
    const int asked = count > INT_MAX ? INT_MAX : count < INT_MIN ? INT_MIN : static_cast<int>(count);
    const std::string translated = catalog->Translate(context, many, one, asked);
    if (!translated.empty()) return ReplaceCount(FromUtf8(translated), count);
  }
  return ReplaceCount(FromUtf8(count == 1 ? one : many), count);
}

std::string TrUtf8(const char* context, const char* source) { return ToUtf8(Tr(context, source)); }

std::string TrNUtf8(const char* context, const char* many, const char* one, long long count) {
  return ToUtf8(TrN(context, many, one, count));
}

}  // namespace mirn
