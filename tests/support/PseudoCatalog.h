#pragma once
// A pseudo-language for tests: every text comes back bracketed and lengthened by about a
// third, so a text that went through the catalog is told from one that did not, and data
// that must not follow the language is seen to stay the same.

#include <string>

#include "util/Catalog.h"

namespace mirn::test {

class PseudoCatalog final : public Catalog {
 public:
  std::string Translate(const char* context, const char* source, const char* disambiguation,
                        int count) const override {
    const std::string text = source;
    return "\xc2\xab" + text + std::string(text.size() / 3, '~') + "\xc2\xbb";  // «text~~»
  }
};

// Makes `catalog` answer every Tr() for the lifetime of the object, then English again.
class ScopedCatalog {
 public:
  explicit ScopedCatalog(const Catalog& catalog) { InstallCatalog(&catalog); }
  ~ScopedCatalog() { InstallCatalog(nullptr); }
  ScopedCatalog(const ScopedCatalog&) = delete;
  ScopedCatalog& operator=(const ScopedCatalog&) = delete;
};

// Installs a pseudo-language for the lifetime of the object.
class PseudoLanguage {
 private:
  PseudoCatalog catalog_;
  ScopedCatalog installed_{catalog_};
};

}  // namespace mirn::test
