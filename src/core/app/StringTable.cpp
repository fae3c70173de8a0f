#include "app/StringTable.h"

#include <algorithm>
#include <array>
#include <vector>

namespace mirn {
namespace {

struct Entry {
  int id;
  const wchar_t* text;
};

// Sorted by number.
constexpr Entry kStrings[] = {
    {1, L"Mirn Labeling System"},
    {1039, L"A label for extension \"%s\" already exists in this database. Do you want to replace it with the one you're importing?"},
    {1052, L"There is already an extension with the name:\n\n%s\n\nDo you want to overwrite it with the new extension you are creating?"},
    {2049, L"Mirn"},
    {2054, L"Untitled"},
    {2055, L"No Template"},
    {2056, L"&Next >"},
    {2057, L"Fi&nish"},
    {2058, L"&Yes, create all %1 extensions!"},
    {2059, L"Name Extensions (Page %1 of %2)"},
    {2060, L"Delete the selected extensions?"},
    {2064, L"Text Editor"},
    {2075, L"in"},
    {2076, L"mm"},
    {2089, L"&No, just create one extension with ID: \"%1\""},
    {2096, L"Bold"},
    {2097, L"Italic"},
    {2098, L"Underline"},
    {2099, L"Strikeout"},
    {2100, L"pt"},
    {4096, L"Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||"},
    {4097, L"Opening %1..."},
    {4098, L"%1\nMirn cannot find this file."},
    {4100, L"%1\n\nMirn cannot open this file.\n\nThe file may not be compatible with this version of Mirn, or it may not exist, may be a read-only file, or may be opened by another process."},
    {4102, L"Running filter %1..."},
    {5120, L"Mirn Database (*.mrb)|*.mrb||"},
    {5122, L"Save changes to %1?"},
    {5123, L"Saving..."},
    {5136, L"Supported Graphics|*.bmp;*.gif;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.wmf;*.emf|All Files (*.*)|*.*||"},
    {5137, L"Insert Picture"},
    {5138, L"Could not insert the picture.\nYou have reached the maximum number of pictures that can be inserted into a single extension."},
    {5139, L"%1\nThe picture could not be opened.\nIt may have been saved in a format that this program does not recognize, or it may be a damaged file."},
    {5144, L"This is a locked graphic. It cannot be moved, resized or deleted."},
    {5152, L"&Show the Tip of the Day each time you start Mirn"},
    {6144, L"Could not locate the Layout Template files.\n\nMany features will be disabled until you install the Layout Templates (also known as DDF files)."},
    {6146, L"Mirn could not create a new file.\n\nThe program cannot continue."},
    {6147, L"%1\nMirn could not open an Add-On file.\nThe current function cannot be completed."},
    {6148, L"Cannot change '%1' to '%2' because there is already an extension with that ID. Specify a different extension ID."},
    {6149, L"%1\nCould not locate an Add-On file. You will not be able to edit this extension until the file is installed."},
    {57605, L"The requested graphic could not be embedded."},
};

constexpr bool SortedById() {
  for (size_t i = 1; i < std::size(kStrings); ++i) {
    if (kStrings[i - 1].id >= kStrings[i].id) return false;
  }
  return true;
}
static_assert(SortedById(), "the string table must stay sorted by number");

}  // namespace

const std::wstring& LoadString(int id) {
  static const std::vector<std::wstring> texts = [] {
    std::vector<std::wstring> v;
    for (const auto& e : kStrings) v.emplace_back(e.text);
    return v;
  }();
  static const std::wstring empty;
  const auto* end = std::end(kStrings);
  const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                    [](const Entry& e, int value) { return e.id < value; });
  if (it == end || it->id != id) return empty;
  return texts[static_cast<size_t>(it - std::begin(kStrings))];
}

std::wstring FormatString(const std::wstring& pattern, std::initializer_list<std::wstring> args) {
  std::wstring out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == L'%' && i + 1 < pattern.size()) {
      const wchar_t n = pattern[i + 1];
      if (n == L'%') {
        out += L'%';
        ++i;
        continue;
      }
      if (n >= L'1' && n <= L'9') {
        const size_t index = static_cast<size_t>(n - L'1');
        if (index < args.size()) out += *(args.begin() + index);
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace mirn
