#pragma once
// The desktop program's command line: the text after the program name split into tokens, and
// the switches "P" (print and close), "I" (import a CSV file into a new database) and
// "NODELETE" (keep the import file).

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirn {

class CommandLine {
 public:
  // Tells whether a token names an existing file or folder: such a token is a path even when
  // it begins with "/" (absolute paths on this system do).
  using PathExists = std::function<bool(const std::wstring&)>;

  // Splits `text` at blanks (without `pathExists`, tokens are looked up in the file system); double quotes hold blanks inside a token and are removed; each
  // token is trimmed and empty ones are dropped.
  explicit CommandLine(std::wstring text, PathExists pathExists = {});

  const std::wstring& Text() const { return text_; }
  const std::vector<std::wstring>& Tokens() const { return tokens_; }

  // A switch is a token beginning with "/" or "-". A one-letter name matches the token's
  // second character, a longer one the text between the first character and the first ":"
  // or "="; both without regard to case.
  bool Has(std::wstring_view name) const;
  // The value of the first matching switch: for a one-letter switch from the fourth
  // character when the third is ":" or "=", else from the third; for a longer switch the
  // text after the first ":" or "=" (nothing when there is neither).
  std::optional<std::wstring> Value(std::wstring_view name) const;
  // The switch's value, or when it is empty the token after the switch when that is not a
  // switch itself ("/I data.csv" as well as "/I:data.csv").
  std::optional<std::wstring> ValueOrNext(std::wstring_view name) const;

  // The database the "P" switch prints: the third token when there are three or more, else
  // the first token that is not a switch (empty when there is none).
  std::wstring PrintPath() const;

  bool IsSwitch(const std::wstring& token) const;

 private:
  const std::wstring* Find(std::wstring_view name) const;

  std::wstring text_;
  std::vector<std::wstring> tokens_;
  PathExists pathExists_;
};

}  // namespace mirn
