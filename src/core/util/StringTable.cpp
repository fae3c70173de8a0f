#include "util/StringTable.h"

#include <algorithm>

#include "util/Catalog.h"
#include "util/Text.h"

namespace mirn {
namespace {

struct Entry {
  int id = 0;
  const char* text = nullptr;  // the English source text (UTF-8)
  // False for the names the program files itself under (the settings folder is named after
  // them), which stay the same in every language.
  bool translate = true;
};

// Sorted by number. Texts of the form "Menu text;Tip" keep the ";" in every language: the
// menu shows the part before it and the status bar the part after. File filters keep their
// "|" and patterns.
constexpr Entry kStrings[] = {
    {1, "Mirn Labeling System", false},
    {1039, MIRN_TRANSLATABLE("StringTable", "A label for extension \"%s\" already exists in this database. Do you want to replace it with the one you're importing?")},
    {1052, MIRN_TRANSLATABLE("StringTable", "There is already an extension with the name:\n\n%s\n\nDo you want to overwrite it with the new extension you are creating?")},
    {2049, "Mirn", false},
    {2054, MIRN_TRANSLATABLE("StringTable", "Untitled")},
    {2055, MIRN_TRANSLATABLE("StringTable", "No Template")},
    {2056, MIRN_TRANSLATABLE("StringTable", "&Next >")},
    {2057, MIRN_TRANSLATABLE("StringTable", "Fi&nish")},
    {2058, MIRN_TRANSLATABLE("StringTable", "&Yes, create all %1 extensions!")},
    {2059, MIRN_TRANSLATABLE("StringTable", "Name Extensions (Page %1 of %2)")},
    {2060, MIRN_TRANSLATABLE("StringTable", "Delete the selected extensions?")},
    {2064, MIRN_TRANSLATABLE("StringTable", "Text Editor")},
    {2075, MIRN_TRANSLATABLE("StringTable", "in")},
    {2076, MIRN_TRANSLATABLE("StringTable", "mm")},
    {2089, MIRN_TRANSLATABLE("StringTable", "&No, just create one extension with ID: \"%1\"")},
    {2090, MIRN_TRANSLATABLE("StringTable", "Link to Graphic")},
    {2096, MIRN_TRANSLATABLE("StringTable", "Bold")},
    {2097, MIRN_TRANSLATABLE("StringTable", "Italic")},
    {2098, MIRN_TRANSLATABLE("StringTable", "Underline")},
    {2099, MIRN_TRANSLATABLE("StringTable", "Strikeout")},
    {2100, MIRN_TRANSLATABLE("StringTable", "pt")},
    {3106, MIRN_TRANSLATABLE("StringTable", "Color;Changes the colour of the selected text")},
    {3107, MIRN_TRANSLATABLE("StringTable", "Bold (Ctrl+B);Makes the selected text bold")},
    {3108, MIRN_TRANSLATABLE("StringTable", "Italic (Ctrl+I);Makes the selected text italic")},
    {3109, MIRN_TRANSLATABLE("StringTable", "Font Name;Changes the font of the selected text")},
    {3110, MIRN_TRANSLATABLE("StringTable", "Font Size;Changes the size of the selected text")},
    {3111, MIRN_TRANSLATABLE("StringTable", "Grow Font;Makes the selected text larger")},
    {3112, MIRN_TRANSLATABLE("StringTable", "Shrink Font;Makes the selected text smaller")},
    {3113, MIRN_TRANSLATABLE("StringTable", "Codes;Inserts a code into the field")},
    {4096, MIRN_TRANSLATABLE("StringTable", "Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||")},
    {4097, MIRN_TRANSLATABLE("StringTable", "Opening %1...")},
    {4098, MIRN_TRANSLATABLE("StringTable", "%1\nMirn cannot find this file.")},
    {4100, MIRN_TRANSLATABLE("StringTable", "%1\n\nMirn cannot open this file.\n\nThe file may not be compatible with this version of Mirn, or it may not exist, may be a read-only file, or may be opened by another process.")},
    {4102, MIRN_TRANSLATABLE("StringTable", "Running filter %1...")},
    {5120, MIRN_TRANSLATABLE("StringTable", "Mirn Database (*.mrb)|*.mrb||")},
    {5122, MIRN_TRANSLATABLE("StringTable", "Save changes to %1?")},
    {5123, MIRN_TRANSLATABLE("StringTable", "Saving...")},
    {5136, MIRN_TRANSLATABLE("StringTable", "Supported Graphics|*.bmp;*.gif;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.wmf;*.emf;*.svg|All Files (*.*)|*.*||")},
    {5137, MIRN_TRANSLATABLE("StringTable", "Insert Picture")},
    {5138, MIRN_TRANSLATABLE("StringTable", "Could not insert the picture.\nYou have reached the maximum number of pictures that can be inserted into a single extension.")},
    {5139, MIRN_TRANSLATABLE("StringTable", "%1\nThe picture could not be opened.\nIt may have been saved in a format that this program does not recognize, or it may be a damaged file.")},
    {5144, MIRN_TRANSLATABLE("StringTable", "This is a locked graphic. It cannot be moved, resized or deleted.")},
    {5152, MIRN_TRANSLATABLE("StringTable", "&Show the Tip of the Day each time you start Mirn")},
    {6144, MIRN_TRANSLATABLE("StringTable", "Could not locate the Layout Template files.\n\nMany features will be disabled until you install the Layout Templates (also known as DDF files).")},
    {6146, MIRN_TRANSLATABLE("StringTable", "Mirn could not create a new file.\n\nThe program cannot continue.")},
    {6147, MIRN_TRANSLATABLE("StringTable", "%1\nMirn could not open an Add-On file.\nThe current function cannot be completed.")},
    {6148, MIRN_TRANSLATABLE("StringTable", "Cannot change '%1' to '%2' because there is already an extension with that ID. Specify a different extension ID.")},
    {6149, MIRN_TRANSLATABLE("StringTable", "%1\nCould not locate an Add-On file. You will not be able to edit this extension until the file is installed.")},
    {40000, MIRN_TRANSLATABLE("StringTable", "New Extension (Ctrl+N);Adds new extensions to the database")},
    {40001, MIRN_TRANSLATABLE("StringTable", "Delete;Deletes the selected extensions")},
    {40002, MIRN_TRANSLATABLE("StringTable", "Change Name;Changes the name of the selected extension")},
    {40005, MIRN_TRANSLATABLE("StringTable", "Unselect All;Clears the selection")},
    {40006, MIRN_TRANSLATABLE("StringTable", "Extension List (Ctrl+E);Widens or narrows the extension list")},
    {40007, MIRN_TRANSLATABLE("StringTable", "Zoom 50%;Shows the label at 50 percent")},
    {40008, MIRN_TRANSLATABLE("StringTable", "Zoom 75%;Shows the label at 75 percent")},
    {40009, MIRN_TRANSLATABLE("StringTable", "Zoom 100%;Shows the label at its actual size")},
    {40010, MIRN_TRANSLATABLE("StringTable", "Zoom 150%;Shows the label at 150 percent")},
    {40011, MIRN_TRANSLATABLE("StringTable", "Zoom 200%;Shows the label at 200 percent")},
    {40012, MIRN_TRANSLATABLE("StringTable", "Custom Zoom;Shows the label at a size you choose")},
    {40013, MIRN_TRANSLATABLE("StringTable", "Fit to Window Width;Fits the label to the width of the window")},
    {40014, MIRN_TRANSLATABLE("StringTable", "Fit Entire Label;Fits the whole label into the window")},
    {40015, MIRN_TRANSLATABLE("StringTable", "Change Extension ID;Changes the ID of the selected extension")},
    {40019, MIRN_TRANSLATABLE("StringTable", "Edit Text;Edits the text of the selected field")},
    {40020, MIRN_TRANSLATABLE("StringTable", "Align Left;Aligns the field's text to the left")},
    {40021, MIRN_TRANSLATABLE("StringTable", "Center;Centres the field's text")},
    {40022, MIRN_TRANSLATABLE("StringTable", "Align Right;Aligns the field's text to the right")},
    {40023, MIRN_TRANSLATABLE("StringTable", "Font;Changes the font of the selected text")},
    {40024, MIRN_TRANSLATABLE("StringTable", "Insert Logo or Picture;Inserts a picture into the label")},
    {40032, MIRN_TRANSLATABLE("StringTable", "Black;Colours the selected text black")},
    {40033, MIRN_TRANSLATABLE("StringTable", "Maroon;Colours the selected text maroon")},
    {40034, MIRN_TRANSLATABLE("StringTable", "Green;Colours the selected text green")},
    {40035, MIRN_TRANSLATABLE("StringTable", "Olive;Colours the selected text olive")},
    {40036, MIRN_TRANSLATABLE("StringTable", "Navy;Colours the selected text navy")},
    {40037, MIRN_TRANSLATABLE("StringTable", "Purple;Colours the selected text purple")},
    {40038, MIRN_TRANSLATABLE("StringTable", "Teal;Colours the selected text teal")},
    {40039, MIRN_TRANSLATABLE("StringTable", "Gray;Colours the selected text gray")},
    {40040, MIRN_TRANSLATABLE("StringTable", "Silver;Colours the selected text silver")},
    {40041, MIRN_TRANSLATABLE("StringTable", "Red;Colours the selected text red")},
    {40042, MIRN_TRANSLATABLE("StringTable", "Lime;Colours the selected text lime")},
    {40043, MIRN_TRANSLATABLE("StringTable", "Yellow;Colours the selected text yellow")},
    {40044, MIRN_TRANSLATABLE("StringTable", "Blue;Colours the selected text blue")},
    {40045, MIRN_TRANSLATABLE("StringTable", "Fuchsia;Colours the selected text fuchsia")},
    {40046, MIRN_TRANSLATABLE("StringTable", "Aqua;Colours the selected text aqua")},
    {40047, MIRN_TRANSLATABLE("StringTable", "White;Colours the selected text white")},
    {40048, MIRN_TRANSLATABLE("StringTable", "Other Color;Chooses any colour for the selected text")},
    {40049, MIRN_TRANSLATABLE("StringTable", "Precise Printer Adjustment;Corrects where the selected printer places the labels")},
    {40054, MIRN_TRANSLATABLE("StringTable", "Rotate (Ctrl+R);Rotates the selected field clockwise")},
    {40055, MIRN_TRANSLATABLE("StringTable", "Reverse Rotate (Ctrl+Shift+R);Rotates the selected field anticlockwise")},
    {40056, MIRN_TRANSLATABLE("StringTable", "Copy Styles;Copies text styles and pictures from one extension to others of the same type")},
    {40057, MIRN_TRANSLATABLE("StringTable", "Options;Sets the default font, alignment, zoom and start-up tips")},
    {40061, MIRN_TRANSLATABLE("StringTable", "Custom Codes;Defines your own codes")},
    {40066, MIRN_TRANSLATABLE("StringTable", "Insert Other Extension's Name;Inserts the code of another extension's name")},
    {40067, MIRN_TRANSLATABLE("StringTable", "Customize;Defines your own codes")},
    {40069, MIRN_TRANSLATABLE("StringTable", "Insert Extension ID;Inserts the code of the extension's ID")},
    {40070, MIRN_TRANSLATABLE("StringTable", "Insert Extension Name;Inserts the code of this extension's name")},
    {40072, MIRN_TRANSLATABLE("StringTable", "Properties;Shows and changes the selected extension's ID, name and layout")},
    {40073, MIRN_TRANSLATABLE("StringTable", "Refresh (F5);Redraws the extension list")},
    {40075, MIRN_TRANSLATABLE("StringTable", "Graphic Properties;Shows the position and size of the selected picture")},
    {40076, MIRN_TRANSLATABLE("StringTable", "Remove Graphic;Removes the selected picture from the label")},
    {40077, MIRN_TRANSLATABLE("StringTable", "Tip of the Day;Shows a tip about using Mirn")},
    {40078, MIRN_TRANSLATABLE("StringTable", "Full Justify;Spreads the field's lines over the whole width")},
    {40079, MIRN_TRANSLATABLE("StringTable", "Getting Started;Opens the Getting Started guide in your browser")},
    {40085, MIRN_TRANSLATABLE("StringTable", "Align;Changes the alignment of the field's text")},
    {40093, MIRN_TRANSLATABLE("StringTable", "Export to Excel;Writes the extensions of this database to an Excel workbook")},
    {40094, MIRN_TRANSLATABLE("StringTable", "Export to CSV;Writes the extensions of this database to a CSV file")},
    {40095, MIRN_TRANSLATABLE("StringTable", "Import Data;Imports extensions from a CSV file, another database or an import filter")},
    {40109, MIRN_TRANSLATABLE("StringTable", "Configure Data Import;Sets up how data is imported from CSV files and import filters")},
    {40110, MIRN_TRANSLATABLE("StringTable", "Check for Updates;Checks whether a newer version of Mirn is available")},
    {40111, MIRN_TRANSLATABLE("StringTable", "Updates Options;Sets how Mirn checks for updates")},
    {40113, MIRN_TRANSLATABLE("StringTable", "Contact Support;Sends a question or a problem report to support")},
    {40117, MIRN_TRANSLATABLE("StringTable", "Insert Linked Picture;Inserts a picture that stays linked to its file")},
    {49000, MIRN_TRANSLATABLE("StringTable", "Recent File;Opens this database")},
    {49001, MIRN_TRANSLATABLE("StringTable", "Recent File;Opens this database")},
    {49002, MIRN_TRANSLATABLE("StringTable", "Recent File;Opens this database")},
    {49003, MIRN_TRANSLATABLE("StringTable", "Recent File;Opens this database")},
    {49004, MIRN_TRANSLATABLE("StringTable", "Recent File;Opens this database")},
    {49005, MIRN_TRANSLATABLE("StringTable", "Recent File;Opens this database")},
    {57600, MIRN_TRANSLATABLE("StringTable", "New Database;Creates a new, empty label database")},
    {57601, MIRN_TRANSLATABLE("StringTable", "Open Database (Ctrl+O);Opens an existing label database")},
    {57603, MIRN_TRANSLATABLE("StringTable", "Save (Ctrl+S);Saves the open label database")},
    {57604, MIRN_TRANSLATABLE("StringTable", "Save As;Saves the open label database under a new name")},
    {57605, MIRN_TRANSLATABLE("StringTable", "The requested graphic could not be embedded.")},
    {57607, MIRN_TRANSLATABLE("StringTable", "Print (Ctrl+P);Prints the labels of the selected extensions")},
    {57632, MIRN_TRANSLATABLE("StringTable", "Clear (Del);Removes the selection")},
    {57634, MIRN_TRANSLATABLE("StringTable", "Copy (Ctrl+C);Copies the selected field to the clipboard")},
    {57635, MIRN_TRANSLATABLE("StringTable", "Cut (Ctrl+X);Moves the selected field to the clipboard")},
    {57636, MIRN_TRANSLATABLE("StringTable", "Find (F3);Finds text in the fields of the database")},
    {57637, MIRN_TRANSLATABLE("StringTable", "Paste (Ctrl+V);Inserts the clipboard into the selected field")},
    {57641, MIRN_TRANSLATABLE("StringTable", "Replace (Ctrl+H);Replaces text in the fields of the database")},
    {57642, MIRN_TRANSLATABLE("StringTable", "Select All (Ctrl+A);Selects every extension, or every field of the label")},
    {57664, MIRN_TRANSLATABLE("StringTable", "About Mirn;Shows the program's version and copyright")},
    {57665, MIRN_TRANSLATABLE("StringTable", "Exit (Alt+F4);Quits Mirn, asking to save the open database")},
    {59392, MIRN_TRANSLATABLE("StringTable", "Toolbar;Shows or hides the toolbar")},
    {59393, MIRN_TRANSLATABLE("StringTable", "Status Bar;Shows or hides the status bar")},
};

constexpr bool SortedById() {
  for (size_t i = 1; i < std::size(kStrings); ++i) {
    if (kStrings[i - 1].id >= kStrings[i].id) return false;
  }
  return true;
}
static_assert(SortedById(), "the string table must stay sorted by number");

}  // namespace

std::wstring LoadString(int id) {
  const auto* end = std::end(kStrings);
  const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                    [](const Entry& e, int value) { return e.id < value; });
  if (it == end || it->id != id) return {};
  return it->translate ? Tr("StringTable", it->text) : FromUtf8(it->text);
}

namespace {

template <typename String>
String Format(const String& pattern, std::initializer_list<String> args) {
  String out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size()) {
      const auto n = pattern[i + 1];
      if (n == '%') {
        out += pattern[i];
        ++i;
        continue;
      }
      if (n >= '1' && n <= '9') {
        const size_t index = static_cast<size_t>(n - '1');
        if (index < args.size()) out += *(args.begin() + index);
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace

std::wstring FormatString(const std::wstring& pattern, std::initializer_list<std::wstring> args) {
  return Format(pattern, args);
}

std::string FormatString(const std::string& pattern, std::initializer_list<std::string> args) {
  return Format(pattern, args);
}

}  // namespace mirn
