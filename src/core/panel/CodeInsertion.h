#pragma once
// The texts that the insert-code commands put into a field, and the layout of the codes menu
// that lists the custom codes.

#include <string>
#include <string_view>
#include <vector>

namespace mirn {

// Command ids of the custom codes in the codes menus: one per code in list order.
inline constexpr int kFirstCustomCodeCommand = 6160;
inline constexpr int kLastCustomCodeCommand = 6287;

// "{Ext}" and "{Name}".
std::wstring ExtensionIdCode();
std::wstring ThisNameCode();

// How "Name of Another Extension" writes its code (profile value "Insert Name Code Style").
enum class NameCodeStyle : int { Normal = 0, ExtThenName = 1, NameThenExt = 2 };
// {Name:ID}; or "Ext. ID", a line break and {Name:ID}; or the two the other way round.
std::wstring OtherNameCode(NameCodeStyle style, std::wstring_view extensionId);

// The editor's codes menu keeps five fixed items; the custom codes follow a separator. Which
// custom codes (indexes into the list) start a new menu column so that the menu stays on a
// screen holding `rowsOnScreen` menu rows: the item counted k (the first custom code is 5)
// starts one whenever k is a multiple of the rows.
std::vector<std::size_t> CodesMenuColumnBreaks(std::size_t codeCount, int rowsOnScreen);

}  // namespace mirn
