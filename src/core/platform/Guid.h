#pragma once
// Random identifiers for working copies and temporary files.

#include <string>

namespace mirn {

// A random (version 4) GUID written as 32 upper-case hexadecimal digits in groups of
// 8-4-4-4-12 joined by "-", without braces: "3F2504E0-4F89-41D3-9A0C-0305E82C3301".
std::wstring NewGuid();

}  // namespace mirn
