#include "gui/MainActions.h"

#include <algorithm>

#include "app/CommandIds.h"

namespace mirn {
namespace {

using namespace cmd;

// Who supplies each group of handlers.
constexpr const char* kFrame = "main window";
constexpr const char* kList = "extension list";
constexpr const char* kPanel = "label panel";
constexpr const char* kGraphics = "graphics on labels";
constexpr const char* kCodesFeature = "custom codes";
constexpr const char* kAdding = "adding extensions";
constexpr const char* kCopyStylesFeature = "Copy Styles wizard";
constexpr const char* kFindFeature = "find and replace";
constexpr const char* kPrinting = "printing";
constexpr const char* kExchange = "import and export";
constexpr const char* kDialogs = "shell dialogs";
constexpr const char* kFeedback = "feedback";

// Most rows leave the last members (prompt, second shortcut) at their defaults.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
std::vector<ActionSpec> BuildTable() {
  std::vector<ActionSpec> t = {
      // File
      {kFileNew, "&New Database", QKeySequence(), "document-new", false, kFrame},
      {kFileOpen, "&Open Database...", QKeySequence(Qt::CTRL | Qt::Key_O), "document-open", false, kFrame},
      {kFileSave, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), "document-save", false, kFrame},
      {kFileSaveAs, "Save &As...", QKeySequence(), "document-save-as", false, kFrame},
      {kImportData, "&Import Data", QKeySequence(), "document-import", false, kExchange},
      {kConfigureImport, "Con&figure Data Import", QKeySequence(), "", false, kExchange},
      {kExportCsv, "Export to &CSV...", QKeySequence(), "", false, kExchange},
      {kExportExcel, "Export to &Excel...", QKeySequence(), "x-office-spreadsheet", false, kExchange},
      {kFilePrint, "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P), "document-print", false, kPrinting},
      {kFilePrintPreview, "Print Pre&view...", QKeySequence(), "", false, kPrinting,
       "Show the sheets as they will print"},
      {kPrecisePrinterAdjustment, "Precise Printer A&djustment...", QKeySequence(), "", false, kPrinting},
      {kAppExit, "E&xit", QKeySequence(Qt::ALT | Qt::Key_F4), "application-exit", false, kFrame},
      // Edit
      {kEditUndo, "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), "edit-undo", false, kPanel,
       "Undoes the last change to a label's fields"},
      {kEditRedo, "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), "edit-redo", false, kPanel,
       "Redoes the change that was undone last", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
      {kEditCut, "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X), "edit-cut", false, kPanel},
      {kEditCopy, "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), "edit-copy", false, kPanel},
      {kEditPaste, "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), "edit-paste", false, kPanel},
      {kEditClear, "&Clear", QKeySequence(Qt::Key_Delete), "edit-delete", false, kList},
      {kEditSelectAll, "Select &All", QKeySequence(Qt::CTRL | Qt::Key_A), "edit-select-all", false, kList},
      {kUnselectAll, "&Unselect All", QKeySequence(), "", false, kList},
      {kEditFind, "&Find...", QKeySequence(Qt::Key_F3), "edit-find", false, kFindFeature},
      {kEditReplace, "R&eplace...", QKeySequence(Qt::CTRL | Qt::Key_H), "edit-find-replace", false, kFindFeature},
      {kEditText, "Edit &Text", QKeySequence(), "", false, kPanel},
      {kCopyStyles, "Copy &Styles...", QKeySequence(), "", false, kCopyStylesFeature},
      // View
      {kViewToolbar, "&Toolbar", QKeySequence(), "", true, kFrame},
      {kViewStatusBar, "&Status Bar", QKeySequence(), "", true, kFrame},
      {kExtensionList, "&Extension List", QKeySequence(Qt::CTRL | Qt::Key_E), "view-list-details", false, kFrame},
      {kRefresh, "&Refresh", QKeySequence(Qt::Key_F5), "view-refresh", false, kList},
      {kZoom50, "&50%", QKeySequence(), "", true, kFrame},
      {kZoom75, "&75%", QKeySequence(), "", true, kFrame},
      {kZoom100, "&100%", QKeySequence(), "zoom-original", true, kFrame},
      {kZoom150, "15&0%", QKeySequence(), "", true, kFrame},
      {kZoom200, "&200%", QKeySequence(), "", true, kFrame},
      {kZoomCustom, "&Custom...", QKeySequence(), "", true, kDialogs},
      {kZoomFitWidth, "Fit to Window &Width", QKeySequence(), "zoom-fit-width", true, kFrame},
      {kZoomFitLabel, "Fit &Entire Label", QKeySequence(), "zoom-fit-best", true, kFrame},
      // Format
      {kFont, "&Font...", QKeySequence(), "preferences-desktop-font", false, kPanel},
      {kAlign, "&Align", QKeySequence(), "format-justify-center", false, kPanel},
      {kAlignLeft, "Align &Left", QKeySequence(), "format-justify-left", false, kPanel},
      {kAlignCenter, "&Center", QKeySequence(), "format-justify-center", false, kPanel},
      {kAlignRight, "Align &Right", QKeySequence(), "format-justify-right", false, kPanel},
      {kAlignJustify, "&Full Justify", QKeySequence(), "format-justify-fill", false, kPanel},
      {kBold, "&Bold", QKeySequence(Qt::CTRL | Qt::Key_B), "format-text-bold", true, kPanel},
      {kItalic, "&Italic", QKeySequence(Qt::CTRL | Qt::Key_I), "format-text-italic", true, kPanel},
      {kFontGrow, "&Grow Font", QKeySequence(), "", false, kPanel},
      {kFontShrink, "S&hrink Font", QKeySequence(), "", false, kPanel},
      {kTextColor, "C&olor", QKeySequence(), "format-text-color", false, kPanel},
      {kOtherColor, "&Other Color...", QKeySequence(), "", false, kPanel},
      {kRotate, "&Rotate", QKeySequence(Qt::CTRL | Qt::Key_R), "object-rotate-right", false, kPanel},
      {kReverseRotate, "Re&verse Rotate", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), "object-rotate-left", false, kPanel},
      // Insert
      {kInsertPicture, "&Logo or Picture...", QKeySequence(), "insert-image", false, kGraphics},
      {kInsertPictureLink, "Lin&ked Picture...", QKeySequence(), "", false, kGraphics},
      {kGraphicProperties, "Graphic &Properties...", QKeySequence(), "", false, kGraphics},
      {kRemoveGraphic, "Re&move Graphic", QKeySequence(), "", false, kGraphics},
      {kCodes, "C&odes", QKeySequence(), "insert-text", false, kPanel},
      {kCodesCustomize, "&Customize...", QKeySequence(), "", false, kCodesFeature},
      {kInsertExtensionId, "Extension &ID", QKeySequence(), "", false, kPanel},
      {kInsertThisName, "Extension &Name", QKeySequence(), "", false, kPanel},
      {kInsertOtherName, "&Other Extension's Name...", QKeySequence(), "", false, kAdding},
      // Extensions
      {kNewExtension, "&New Extension...", QKeySequence(Qt::CTRL | Qt::Key_N), "list-add", false, kAdding},
      {kDeleteExtension, "&Delete", QKeySequence(), "list-remove", false, kList},
      {kProperties, "&Properties...", QKeySequence(), "document-properties", false, kList},
      // Tools
      {kOptions, "&Options...", QKeySequence(), "preferences-system", false, kDialogs},
      {kCustomCodes, "&Custom Codes...", QKeySequence(), "", false, kCodesFeature},
      // Help
      {kTipOfTheDay, "&Tip of the Day...", QKeySequence(), "help-hint", false, kDialogs},
      {kGettingStarted, "&Getting Started", QKeySequence(), "help-contents", false, kDialogs},
      {kCheckForUpdates, "Check for &Updates...", QKeySequence(), "system-software-update", false, kDialogs},
      {kUpdatesOptions, "Updates O&ptions...", QKeySequence(), "", false, kDialogs},
      {kContactSupport, "&Contact Support...", QKeySequence(), "help-faq", false, kFeedback},
      {kAbout, "&About Mirn...", QKeySequence(), "help-about", false, kDialogs},
  };
  static const char* const kColorNames[] = {"&Black", "&Maroon", "&Green", "&Olive", "&Navy",
                                            "&Purple", "&Teal", "Gr&ay", "&Silver", "&Red",
                                            "&Lime", "&Yellow", "Bl&ue", "&Fuchsia", "A&qua", "&White"};
  for (int i = 0; i <= kColorLast - kColorFirst; ++i) {
    t.push_back({kColorFirst + i, kColorNames[i], QKeySequence(), "", false, kPanel});
  }
  return t;
}
#pragma GCC diagnostic pop

}  // namespace

const std::vector<ActionSpec>& MainActionSpecs() {
  static const std::vector<ActionSpec> table = BuildTable();
  return table;
}

const ActionSpec* FindActionSpec(int id) {
  const auto& table = MainActionSpecs();
  auto it = std::find_if(table.begin(), table.end(), [id](const ActionSpec& s) { return s.id == id; });
  return it == table.end() ? nullptr : &*it;
}

}  // namespace mirn
