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

// Installs a pseudo-language for the lifetime of the object.
class PseudoLanguage {
 public:
  PseudoLanguage() { InstallCatalog(&catalog_); }
  ~PseudoLanguage() { InstallCatalog(nullptr); }
  PseudoLanguage(const PseudoLanguage&) = delete;
  PseudoLanguage& operator=(const PseudoLanguage&) = delete;

 private:
  PseudoCatalog catalog_;
};

}  // namespace mirn::test
