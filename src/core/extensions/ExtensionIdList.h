#pragma once
// Turns the text a person types into the Add Extensions dialog ("100-110", "\"5-7\"",
// "101, 102; 103") into the list of extension IDs to create. The first pass splits the text
// at commas and semicolons outside double quotes; the second expands numeric ranges.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mirn {

inline constexpr std::size_t kMaxExtensionIdLength = 20;
inline constexpr std::size_t kMaxExtensionNameLength = 64;
// A range expands only up to this many IDs; a longer one is taken as one ID.
inline constexpr long long kMaxRangeCount = 512;
// A range of more IDs than this is confirmed first.
inline constexpr long long kConfirmRangeCount = 25;

// Splits at "," and ";" outside double quotes. Items are trimmed; quotes stay in the items;
// an unclosed quote is closed at the end.
std::vector<std::wstring> SplitExtensionIdText(std::wstring_view text);

// The answer to the "Creating Extensions" warning about one large range.
enum class RangeChoice { kCreateAll, kCreateOne, kSkip, kCancel };
// Asked with the item's text and the number of IDs the range holds.
using RangeQuestion = std::function<RangeChoice(const std::wstring& item, long long count)>;

// Expands the items in order: quoted literals, single IDs and numeric ranges (zero-padded to
// the width of the end text). IDs are cut to 20 characters; empty IDs are dropped. Nothing
// when the question was answered with Cancel.
std::optional<std::vector<std::wstring>> ExpandExtensionIds(const std::vector<std::wstring>& items,
                                                            const RangeQuestion& ask);

// Both passes over one text.
std::optional<std::vector<std::wstring>> ParseExtensionIds(std::wstring_view text,
                                                           const RangeQuestion& ask);

// The first `kMaxExtensionIdLength` characters.
std::wstring CutExtensionId(std::wstring_view id);

}  // namespace mirn
