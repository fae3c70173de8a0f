#pragma once
// The texts a person reads, in their language. Code names each text by a context (the class
// or area it belongs to) and its English source text; the programs install a catalog that
// answers from the translation files, and without one (or for a text it does not hold) the
// English source is the text. The core holds no translations itself, so one translation file
// per language holds the core's texts and the window's.
//
// The translation tools find the texts by these spellings: Tr("Context", "Source"),
// TrN("Context", "%n things", "%n thing", count), their UTF-8 twins TrUtf8() and TrNUtf8() and, where a table keeps the source for
// later, MIRN_TRANSLATABLE("Context", "Source"). The arguments must be plain string
// literals, so a text that takes values is formatted around the call:
// FormatString(Tr("Context", "Cannot open %1"), {name}).

#include <string>

// Marks a string literal in a table as translatable without translating it there; the table's
// reader passes it through Tr() with the same context.
#define MIRN_TRANSLATABLE(context, source) source

namespace mirn {

class Catalog {
 public:
  virtual ~Catalog() = default;

  // The translation (UTF-8) of `source` (UTF-8) in `context`, or an empty text when the
  // catalog holds none. `disambiguation` tells equal sources apart and may be null; `count`
  // selects the plural form of a text that has them, and is -1 for one that has not.
  virtual std::string Translate(const char* context, const char* source, const char* disambiguation,
                                int count) const = 0;
};

// Makes `catalog` answer every later Tr() of the process (not owned; it must outlive its
// installation). Null goes back to the English source texts. Programs install theirs at
// start-up, before other threads ask for texts.
void InstallCatalog(const Catalog* catalog);
const Catalog* InstalledCatalog();

// The text of `source` in the language of the installed catalog.
std::wstring Tr(const char* context, const char* source);

// A text with a count in it: `many` holds "%n" where the count goes and names the text for
// the catalog, which picks the language's own plural form; without a translation English
// takes `one` for a count of 1 and `many` for every other count. "%n" becomes the count in
// every form, its digits grouped as the locale groups them (util/CountText.h).
std::wstring TrN(const char* context, const char* many, const char* one, long long count);

// Tr() and TrN() as UTF-8, for a program that writes bytes (mirn-cli's messages).
std::string TrUtf8(const char* context, const char* source);
std::string TrNUtf8(const char* context, const char* many, const char* one, long long count);

}  // namespace mirn
