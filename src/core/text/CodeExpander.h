#pragma once
// Expansion of the codes in a parsed display text, in three passes: extension ID codes
// ({EXT}, {EXT+1}, {EXT*2:NOPAD}), name codes ({NAME}, {NAME:ID}) and field input codes
// ({INP:n}, {INP:n+1}). Codes are found without regard to case; each replacement takes the
// format of its code's opening brace.

#include <string>
#include <string_view>

namespace mirn {

class CRTFText;

// The text a failed calculation shows.
inline constexpr std::wstring_view kMathError = L"*EMATH_ERR*";
// The longest replacement of an extension ID code.
constexpr std::size_t kMaxExtensionCodeLength = 32;

class CodeExpander {
 public:
  // `depth` counts field input codes being expanded inside other fields' codes; past a small
  // limit they expand to nothing, so fields that name each other cannot recurse forever.
  CodeExpander(CRTFText& text, int depth) : t_(text), depth_(depth) {}
  void Run();

  // The replacement of one extension ID code body (the text between "{EXT" and "}").
  static std::wstring ExtensionCode(std::wstring_view body, std::wstring_view extensionId);

 private:
  enum class Pass { ExtensionId, Name, FieldInput };
  void RunPass(Pass pass);
  std::wstring Replacement(Pass pass, std::wstring_view body) const;
  std::wstring NameCode(std::wstring_view body) const;
  std::wstring FieldInputCode(std::wstring_view body) const;

  CRTFText& t_;
  int depth_ = 0;
};

// The texts the insert commands put into a field.
std::wstring ExtensionIdCodeText();  // {Ext}
std::wstring NameCodeText();         // {Name}
// Name of another extension in one of the three styles of "Insert Name Code Style":
// 0 {Name:ID}; 1 "Ext. ID" CR LF {Name:ID}; 2 {Name:ID} CR LF "Ext. ID".
std::wstring OtherNameCodeText(std::wstring_view extensionId, int style);

}  // namespace mirn
