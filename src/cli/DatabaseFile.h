#pragma once
// What the commands on label databases share: the reason of a failure in words, running one
// change and saving (opening and saving are in DatabaseAccess.h), and one-line output of
// field texts.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "cli/Command.h"
#include "cli/DatabaseAccess.h"

namespace mirn {
class MRBBase;
}

namespace mirn::cli {

// An id in single quotes, as messages name extensions.
std::string Quoted(std::wstring_view id);
// A failed operation in words, naming the extension where the code is about one.
std::string Describe(int code, std::wstring_view id = {}, const std::string& hint = {});

// Runs one change on an opened database and saves it; a failing change leaves the file alone.
int ChangeAndSave(const std::string& file, Context& c,
                  const std::function<int(MRBBase&, std::string& failure)>& change);

// Text output keeps one record per line: backslashes, tabs and line breaks are escaped.
std::string OneLine(std::wstring_view text);

}  // namespace mirn::cli
