#pragma once
// A quick test on a field's stored text, before it is parsed, of whether its searchable text
// (the parsed plain text with line breaks as CR LF, see SearchableText) could hold a search
// text. It never answers false for a field that holds it: it walks the stored text as the
// parser does, offering every character the parser could put into the plain text, escaped
// ones (\\, \{, \}, \'hh) and line breaks (\par, \line, line feeds) included, and asks
// whether the search text appears among them in order. Fields it lets through are parsed and
// searched as before.

#include <string_view>

namespace mirn {

// `searchText` is compared as the search compares it: upper-cased by the caller when case
// does not matter (`matchCase` false), in which case the offered characters are upper-cased
// too. An empty search text could be anywhere.
bool CouldContain(std::wstring_view storedText, std::wstring_view searchText, bool matchCase);

}  // namespace mirn
