#pragma once
// Saving a layout where the template library finds it: the user's own layouts folder ("ddf"
// in the per-user data folder, the library's last folder), the library and its cache told
// about the one file at once, without a scan. A bundled or shared layout is never changed:
// editing it saves an edited copy in the user's folder.

#include <filesystem>
#include <string>

namespace mirn {

class DDFLibrary;
class LayoutDocument;

// The file a layout is saved to: its own file when that lies in the user's folder, else a
// file in the user's folder named after its type code ("ST2.ddf"; characters a file name
// cannot hold become "_").
std::filesystem::path SaveTarget(const LayoutDocument& document, const DDFLibrary& library);

// A type code like `typeCode` that the library does not hold yet: the whole code with "2",
// "3", ... (then "A" to "Z") after it ("DESK" gives "DESK2"), so it stays recognisable; a
// code that already fills the file's 8 characters gives up its last one ("LONGCODE" gives
// "LONGCOD2"). Empty when all of those are taken.
std::wstring FreeTypeCode(const std::wstring& typeCode, const DDFLibrary& library);

struct LayoutSaveResult {
  bool saved = false;
  std::filesystem::path file;
  std::wstring message;  // why it was not saved
};

// Writes the layout to SaveTarget (atomically) and updates the library's entry and cache row
// for that one file; the document takes the file as its path and is no longer modified.
// Layouts with errors (ValidateLayout) are not saved; the message names the first.
LayoutSaveResult SaveLayout(LayoutDocument& document, DDFLibrary& library);

}  // namespace mirn
