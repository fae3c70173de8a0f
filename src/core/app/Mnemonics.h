#pragma once
// Menu and button labels mark their keyboard mnemonic with "&" ("E&xit"); "&&" is a
// literal "&". Lists that show command texts, and the names of controls, use the label
// without the markers.

#include <string>

namespace mirn {

// "Y&es to All" → "Yes to All", "Save && &Close" → "Save & Close".
std::wstring WithoutMnemonics(const std::wstring& label);

}  // namespace mirn
