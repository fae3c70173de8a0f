#include "util/StringTable.h"

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
    {2090, L"Link to Graphic"},
    {2096, L"Bold"},
    {2097, L"Italic"},
    {2098, L"Underline"},
    {2099, L"Strikeout"},
    {2100, L"pt"},
    {3106, L"Color;Changes the colour of the selected text"},
    {3107, L"Bold (Ctrl+B);Makes the selected text bold"},
    {3108, L"Italic (Ctrl+I);Makes the selected text italic"},
    {3109, L"Font Name;Changes the font of the selected text"},
    {3110, L"Font Size;Changes the size of the selected text"},
    {3111, L"Grow Font;Makes the selected text larger"},
    {3112, L"Shrink Font;Makes the selected text smaller"},
    {3113, L"Codes;Inserts a code into the field"},
    {4096, L"Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||"},
    {4097, L"Opening %1..."},
    {4098, L"%1\nMirn cannot find this file."},
    {4100, L"%1\n\nMirn cannot open this file.\n\nThe file may not be compatible with this version of Mirn, or it may not exist, may be a read-only file, or may be opened by another process."},
    {4102, L"Running filter %1..."},
    {5120, L"Mirn Database (*.mrb)|*.mrb||"},
    {5122, L"Save changes to %1?"},
    {5123, L"Saving..."},
    {5136, L"Supported Graphics|*.bmp;*.gif;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.wmf;*.emf;*.svg|All Files (*.*)|*.*||"},
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
    {40000, L"New Extension (Ctrl+N);Adds new extensions to the database"},
    {40001, L"Delete;Deletes the selected extensions"},
    {40002, L"Change Name;Changes the name of the selected extension"},
    {40005, L"Unselect All;Clears the selection"},
    {40006, L"Extension List (Ctrl+E);Widens or narrows the extension list"},
    {40007, L"Zoom 50%;Shows the label at 50 percent"},
    {40008, L"Zoom 75%;Shows the label at 75 percent"},
    {40009, L"Zoom 100%;Shows the label at its actual size"},
    {40010, L"Zoom 150%;Shows the label at 150 percent"},
    {40011, L"Zoom 200%;Shows the label at 200 percent"},
    {40012, L"Custom Zoom;Shows the label at a size you choose"},
    {40013, L"Fit to Window Width;Fits the label to the width of the window"},
    {40014, L"Fit Entire Label;Fits the whole label into the window"},
    {40015, L"Change Extension ID;Changes the ID of the selected extension"},
    {40019, L"Edit Text;Edits the text of the selected field"},
    {40020, L"Align Left;Aligns the field's text to the left"},
    {40021, L"Center;Centres the field's text"},
    {40022, L"Align Right;Aligns the field's text to the right"},
    {40023, L"Font;Changes the font of the selected text"},
    {40024, L"Insert Logo or Picture;Inserts a picture into the label"},
    {40032, L"Black;Colours the selected text black"},
    {40033, L"Maroon;Colours the selected text maroon"},
    {40034, L"Green;Colours the selected text green"},
    {40035, L"Olive;Colours the selected text olive"},
    {40036, L"Navy;Colours the selected text navy"},
    {40037, L"Purple;Colours the selected text purple"},
    {40038, L"Teal;Colours the selected text teal"},
    {40039, L"Gray;Colours the selected text gray"},
    {40040, L"Silver;Colours the selected text silver"},
    {40041, L"Red;Colours the selected text red"},
    {40042, L"Lime;Colours the selected text lime"},
    {40043, L"Yellow;Colours the selected text yellow"},
    {40044, L"Blue;Colours the selected text blue"},
    {40045, L"Fuchsia;Colours the selected text fuchsia"},
    {40046, L"Aqua;Colours the selected text aqua"},
    {40047, L"White;Colours the selected text white"},
    {40048, L"Other Color;Chooses any colour for the selected text"},
    {40049, L"Precise Printer Adjustment;Corrects where the selected printer places the labels"},
    {40054, L"Rotate (Ctrl+R);Rotates the selected field clockwise"},
    {40055, L"Reverse Rotate (Ctrl+Shift+R);Rotates the selected field anticlockwise"},
    {40056, L"Copy Styles;Copies text styles and pictures from one extension to others of the same type"},
    {40057, L"Options;Sets the default font, alignment, zoom and start-up tips"},
    {40061, L"Custom Codes;Defines your own codes"},
    {40066, L"Insert Other Extension's Name;Inserts the code of another extension's name"},
    {40067, L"Customize;Defines your own codes"},
    {40069, L"Insert Extension ID;Inserts the code of the extension's ID"},
    {40070, L"Insert Extension Name;Inserts the code of this extension's name"},
    {40072, L"Properties;Shows and changes the selected extension's ID, name and layout"},
    {40073, L"Refresh (F5);Redraws the extension list"},
    {40075, L"Graphic Properties;Shows the position and size of the selected picture"},
    {40076, L"Remove Graphic;Removes the selected picture from the label"},
    {40077, L"Tip of the Day;Shows a tip about using Mirn"},
    {40078, L"Full Justify;Spreads the field's lines over the whole width"},
    {40079, L"Getting Started;Opens the Getting Started guide in your browser"},
    {40085, L"Align;Changes the alignment of the field's text"},
    {40093, L"Export to Excel;Writes the extensions of this database to an Excel workbook"},
    {40094, L"Export to CSV;Writes the extensions of this database to a CSV file"},
    {40095, L"Import Data;Imports extensions from a CSV file, another database or an import filter"},
    {40109, L"Configure Data Import;Sets up how data is imported from CSV files and import filters"},
    {40110, L"Check for Updates;Checks whether a newer version of Mirn is available"},
    {40111, L"Updates Options;Sets how Mirn checks for updates"},
    {40113, L"Contact Support;Sends a question or a problem report to support"},
    {40117, L"Insert Linked Picture;Inserts a picture that stays linked to its file"},
    {49000, L"Recent File;Opens this database"},
    {49001, L"Recent File;Opens this database"},
    {49002, L"Recent File;Opens this database"},
    {49003, L"Recent File;Opens this database"},
    {49004, L"Recent File;Opens this database"},
    {49005, L"Recent File;Opens this database"},
    {57600, L"New Database;Creates a new, empty label database"},
    {57601, L"Open Database (Ctrl+O);Opens an existing label database"},
    {57603, L"Save (Ctrl+S);Saves the open label database"},
    {57604, L"Save As;Saves the open label database under a new name"},
    {57605, L"The requested graphic could not be embedded."},
    {57607, L"Print (Ctrl+P);Prints the labels of the selected extensions"},
    {57632, L"Clear (Del);Removes the selection"},
    {57634, L"Copy (Ctrl+C);Copies the selected field to the clipboard"},
    {57635, L"Cut (Ctrl+X);Moves the selected field to the clipboard"},
    {57636, L"Find (F3);Finds text in the fields of the database"},
    {57637, L"Paste (Ctrl+V);Inserts the clipboard into the selected field"},
    {57641, L"Replace (Ctrl+H);Replaces text in the fields of the database"},
    {57642, L"Select All (Ctrl+A);Selects every extension, or every field of the label"},
    {57664, L"About Mirn;Shows the program's version and copyright"},
    {57665, L"Exit (Alt+F4);Quits Mirn, asking to save the open database"},
    {59392, L"Toolbar;Shows or hides the toolbar"},
    {59393, L"Status Bar;Shows or hides the status bar"},
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
