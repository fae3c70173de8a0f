#pragma once
// The name of a telephone model as lists and messages show it: the maker (the layout's group
// name) and the layout's description.

#include <string>
#include <string_view>

namespace mirn {

// "Maker description", or the description alone when it already starts with the maker's name
// as a word of its own (layouts made elsewhere often repeat it).
std::wstring ModelName(std::wstring_view maker, std::wstring_view description);
// "description (Maker)", the form of the extension list and the label's caption; the
// description alone when it already starts with the maker.
std::wstring ModelNameMakerAfter(std::wstring_view maker, std::wstring_view description);
// True when `description` starts with `maker` (any case) followed by its end or a blank.
bool NamesItsMaker(std::wstring_view maker, std::wstring_view description);

}  // namespace mirn
