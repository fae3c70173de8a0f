#pragma once
// Copying text and formatting from one extension's label to other extensions of the same
// layout: the style kinds, the source read once, the copy onto one destination, and the
// whole run under a progress window with Stop. The wizard (CopyStylesWizard) and
// `mirn-cli copy-styles` both end in RunCopyStyles.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/TextFormat.h"

namespace mirn {

class CDDFTemplate;
class DDFLibrary;
class MRBBase;
class UserInterface;

// The parts of a field style that can be copied, in the order the summary lists them.
enum class StyleKind : int {
  FontStyle = 0,  // face, bold, italic, underline, strikeout
  FontSize = 1,
  Alignment = 2,
  Color = 3,
  Graphics = 4,  // the extension's pictures
  Text = 5,      // the field's text itself
};
inline constexpr int kStyleKindCount = 6;

// "Font Style", "Font Size", "Text Alignment", "Text Color", "Graphics", "Text".
std::wstring StyleKindName(StyleKind kind);

// A set of style kinds; all six together is "Everything", which copies whole stored texts.
class StyleSet {
 public:
  static StyleSet Everything();
  StyleSet& Add(StyleKind kind);
  bool Has(StyleKind kind) const { return (bits_ & Bit(kind)) != 0; }
  bool IsEverything() const { return bits_ == kAll; }
  bool Empty() const { return bits_ == 0; }
  // "Everything" when all six are chosen, else the chosen names in kind order, joined by ", ".
  std::wstring Describe() const;
  bool operator==(const StyleSet&) const = default;

 private:
  static constexpr unsigned kAll = (1u << kStyleKindCount) - 1;
  static unsigned Bit(StyleKind kind) { return 1u << static_cast<int>(kind); }
  unsigned bits_ = 0;
};

// The source extension as read once before the loop: every selectable text field of its
// layout, and the stored descriptions of its picture slots.
struct CopyStylesSource {
  struct Field {
    int id = 0;
    bool empty = true;       // the source stores no text for it
    std::wstring storedText;  // ToRtf of the parsed text (empty for an empty field)
    TextFormat format;        // first format, or the built-in default style when empty
    std::wstring text;        // unexpanded plain text, line breaks as CR LF
  };
  std::wstring id;
  std::wstring name;
  std::wstring typeCode;
  std::vector<Field> fields;
  std::vector<std::pair<int, std::wstring>> graphics;  // slot → stored description
};

// Reads the source extension's fields (parsed with its ID and name, so the first format is
// the one its label shows) and its picture slots.
CopyStylesSource PrepareCopyStyles(MRBBase& db, const CDDFTemplate& layout, std::wstring_view sourceId);

// Copies the chosen styles onto one destination; returns the first failing database code,
// or 0.
int CopyStylesTo(MRBBase& db, const CopyStylesSource& source, std::wstring_view destinationId,
                 const StyleSet& styles);

struct CopyStylesRequest {
  std::wstring sourceId;
  std::vector<std::wstring> destinations;  // copied in ascending text order
  StyleSet styles;
};

struct CopyStylesOutcome {
  std::size_t total = 0;   // destinations asked for
  std::size_t copied = 0;  // destinations done
  bool stopped = false;    // Stop was pressed (or the application is quitting)
  int failure = 0;         // database code that ended the loop early, 0 when none
  std::wstring failedId;   // the destination that failed
  // Nothing could start: the source or its layout is missing.
  bool notStarted = false;
};

// The copy loop: a progress window titled "Copying Styles" stepping once per destination,
// Stop honoured between destinations, and the closing message ("Copying complete." or
// "Copying stopped after N extensions were copied."). A database failure ends the loop with
// a warning naming the destination; the destinations done before it stay changed.
CopyStylesOutcome RunCopyStyles(MRBBase& db, DDFLibrary& library, UserInterface& ui,
                                const CopyStylesRequest& request);

// Messages of the run, for callers that report it elsewhere.
std::wstring CopyStylesCompleteText();
std::wstring CopyStylesStoppedText(std::size_t copied);

}  // namespace mirn
