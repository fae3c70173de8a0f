#include "gui/MainActions.h"

#include <QCoreApplication>
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
constexpr const char* kDesigner = "layout designer";

// Most rows leave the last members (prompt, second shortcut) at their defaults.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
std::vector<ActionSpec> BuildTable() {
  std::vector<ActionSpec> t = {
      // File
      {kFileNew, QT_TRANSLATE_NOOP("MainActions", "&New Database"), QKeySequence(), "document-new", false, kFrame},
      {kFileOpen, QT_TRANSLATE_NOOP("MainActions", "&Open Database..."), QKeySequence(Qt::CTRL | Qt::Key_O), "document-open", false, kFrame},
      {kFileSave, QT_TRANSLATE_NOOP("MainActions", "&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), "document-save", false, kFrame},
      {kFileSaveAs, QT_TRANSLATE_NOOP("MainActions", "Save &As..."), QKeySequence(), "document-save-as", false, kFrame},
      {kImportData, QT_TRANSLATE_NOOP("MainActions", "&Import Data"), QKeySequence(), "document-import", false, kExchange},
      {kConfigureImport, QT_TRANSLATE_NOOP("MainActions", "Con&figure Data Import"), QKeySequence(), "", false, kExchange},
      {kExportCsv, QT_TRANSLATE_NOOP("MainActions", "Export to &CSV..."), QKeySequence(), "", false, kExchange},
      {kExportExcel, QT_TRANSLATE_NOOP("MainActions", "Export to &Excel..."), QKeySequence(), "x-office-spreadsheet", false, kExchange},
      {kFilePrint, QT_TRANSLATE_NOOP("MainActions", "&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P), "document-print", false, kPrinting},
      {kFilePrintPreview, QT_TRANSLATE_NOOP("MainActions", "Print Pre&view..."), QKeySequence(), "", false, kPrinting,
       QT_TRANSLATE_NOOP("MainActions", "Show the sheets as they will print")},
      {kPrecisePrinterAdjustment, QT_TRANSLATE_NOOP("MainActions", "Precise Printer A&djustment..."), QKeySequence(), "", false, kPrinting},
      {kAppExit, QT_TRANSLATE_NOOP("MainActions", "E&xit"), QKeySequence(Qt::ALT | Qt::Key_F4), "application-exit", false, kFrame},
      // Edit
      {kEditUndo, QT_TRANSLATE_NOOP("MainActions", "&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), "edit-undo", false, kPanel,
       QT_TRANSLATE_NOOP("MainActions", "Undoes the last change to a label's fields")},
      {kEditRedo, QT_TRANSLATE_NOOP("MainActions", "&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y), "edit-redo", false, kPanel,
       QT_TRANSLATE_NOOP("MainActions", "Redoes the change that was undone last"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
      {kEditCut, QT_TRANSLATE_NOOP("MainActions", "Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X), "edit-cut", false, kPanel},
      {kEditCopy, QT_TRANSLATE_NOOP("MainActions", "&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), "edit-copy", false, kPanel},
      {kEditPaste, QT_TRANSLATE_NOOP("MainActions", "&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), "edit-paste", false, kPanel},
      {kEditClear, QT_TRANSLATE_NOOP("MainActions", "&Clear"), QKeySequence(Qt::Key_Delete), "edit-delete", false, kList},
      {kEditSelectAll, QT_TRANSLATE_NOOP("MainActions", "Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A), "edit-select-all", false, kList},
      {kUnselectAll, QT_TRANSLATE_NOOP("MainActions", "&Unselect All"), QKeySequence(), "", false, kList},
      {kEditFind, QT_TRANSLATE_NOOP("MainActions", "&Find..."), QKeySequence(Qt::Key_F3), "edit-find", false, kFindFeature},
      {kEditReplace, QT_TRANSLATE_NOOP("MainActions", "R&eplace..."), QKeySequence(Qt::CTRL | Qt::Key_H), "edit-find-replace", false, kFindFeature},
      {kEditText, QT_TRANSLATE_NOOP("MainActions", "Edit &Text"), QKeySequence(), "", false, kPanel},
      {kCopyStyles, QT_TRANSLATE_NOOP("MainActions", "Copy &Styles..."), QKeySequence(), "", false, kCopyStylesFeature},
      // View
      {kViewToolbar, QT_TRANSLATE_NOOP("MainActions", "&Toolbar"), QKeySequence(), "", true, kFrame},
      {kViewStatusBar, QT_TRANSLATE_NOOP("MainActions", "&Status Bar"), QKeySequence(), "", true, kFrame},
      {kExtensionList, QT_TRANSLATE_NOOP("MainActions", "&Extension List"), QKeySequence(Qt::CTRL | Qt::Key_E), "view-list-details", false, kFrame},
      {kRefresh, QT_TRANSLATE_NOOP("MainActions", "&Refresh"), QKeySequence(Qt::Key_F5), "view-refresh", false, kList},
      {kZoom50, QT_TRANSLATE_NOOP("MainActions", "&50%"), QKeySequence(), "", true, kFrame},
      {kZoom75, QT_TRANSLATE_NOOP("MainActions", "&75%"), QKeySequence(), "", true, kFrame},
      {kZoom100, QT_TRANSLATE_NOOP("MainActions", "&100%"), QKeySequence(), "zoom-original", true, kFrame},
      {kZoom150, QT_TRANSLATE_NOOP("MainActions", "15&0%"), QKeySequence(), "", true, kFrame},
      {kZoom200, QT_TRANSLATE_NOOP("MainActions", "&200%"), QKeySequence(), "", true, kFrame},
      {kZoomCustom, QT_TRANSLATE_NOOP("MainActions", "&Custom..."), QKeySequence(), "", true, kDialogs},
      {kZoomFitWidth, QT_TRANSLATE_NOOP("MainActions", "Fit to Window &Width"), QKeySequence(), "zoom-fit-width", true, kFrame},
      {kZoomFitLabel, QT_TRANSLATE_NOOP("MainActions", "Fit &Entire Label"), QKeySequence(), "zoom-fit-best", true, kFrame},
      // Format
      {kFont, QT_TRANSLATE_NOOP("MainActions", "&Font..."), QKeySequence(), "preferences-desktop-font", false, kPanel},
      {kAlign, QT_TRANSLATE_NOOP("MainActions", "&Align"), QKeySequence(), "format-justify-center", false, kPanel},
      {kAlignLeft, QT_TRANSLATE_NOOP("MainActions", "Align &Left"), QKeySequence(), "format-justify-left", false, kPanel},
      {kAlignCenter, QT_TRANSLATE_NOOP("MainActions", "&Center"), QKeySequence(), "format-justify-center", false, kPanel},
      {kAlignRight, QT_TRANSLATE_NOOP("MainActions", "Align &Right"), QKeySequence(), "format-justify-right", false, kPanel},
      {kAlignJustify, QT_TRANSLATE_NOOP("MainActions", "&Full Justify"), QKeySequence(), "format-justify-fill", false, kPanel},
      {kBold, QT_TRANSLATE_NOOP("MainActions", "&Bold"), QKeySequence(Qt::CTRL | Qt::Key_B), "format-text-bold", true, kPanel},
      {kItalic, QT_TRANSLATE_NOOP("MainActions", "&Italic"), QKeySequence(Qt::CTRL | Qt::Key_I), "format-text-italic", true, kPanel},
      {kFontGrow, QT_TRANSLATE_NOOP("MainActions", "&Grow Font"), QKeySequence(), "", false, kPanel},
      {kFontShrink, QT_TRANSLATE_NOOP("MainActions", "S&hrink Font"), QKeySequence(), "", false, kPanel},
      {kShrinkToFit, QT_TRANSLATE_NOOP("MainActions", "Shrink to &Fit"), QKeySequence(), "", false, kPanel,
       QT_TRANSLATE_NOOP("MainActions", "Makes the selected fields' text smaller until it fits them")},
      {kTextColor, QT_TRANSLATE_NOOP("MainActions", "C&olor"), QKeySequence(), "format-text-color", false, kPanel},
      {kOtherColor, QT_TRANSLATE_NOOP("MainActions", "&Other Color..."), QKeySequence(), "", false, kPanel},
      {kRotate, QT_TRANSLATE_NOOP("MainActions", "&Rotate"), QKeySequence(Qt::CTRL | Qt::Key_R), "object-rotate-right", false, kPanel},
      {kReverseRotate, QT_TRANSLATE_NOOP("MainActions", "Re&verse Rotate"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), "object-rotate-left", false, kPanel},
      // Insert
      {kInsertPicture, QT_TRANSLATE_NOOP("MainActions", "&Logo or Picture..."), QKeySequence(), "insert-image", false, kGraphics},
      {kInsertPictureLink, QT_TRANSLATE_NOOP("MainActions", "Lin&ked Picture..."), QKeySequence(), "", false, kGraphics},
      {kGraphicProperties, QT_TRANSLATE_NOOP("MainActions", "Graphic &Properties..."), QKeySequence(), "", false, kGraphics},
      {kRemoveGraphic, QT_TRANSLATE_NOOP("MainActions", "Re&move Graphic"), QKeySequence(), "", false, kGraphics},
      {kCodes, QT_TRANSLATE_NOOP("MainActions", "C&odes"), QKeySequence(), "insert-text", false, kPanel},
      {kCodesCustomize, QT_TRANSLATE_NOOP("MainActions", "&Customize..."), QKeySequence(), "", false, kCodesFeature},
      {kInsertExtensionId, QT_TRANSLATE_NOOP("MainActions", "Extension &ID"), QKeySequence(), "", false, kPanel},
      {kInsertThisName, QT_TRANSLATE_NOOP("MainActions", "Extension &Name"), QKeySequence(), "", false, kPanel},
      {kInsertOtherName, QT_TRANSLATE_NOOP("MainActions", "&Other Extension's Name..."), QKeySequence(), "", false, kAdding},
      // Extensions
      {kNewExtension, QT_TRANSLATE_NOOP("MainActions", "&New Extension..."), QKeySequence(Qt::CTRL | Qt::Key_N), "list-add", false, kAdding},
      {kDeleteExtension, QT_TRANSLATE_NOOP("MainActions", "&Delete"), QKeySequence(), "list-remove", false, kList},
      {kProperties, QT_TRANSLATE_NOOP("MainActions", "&Properties..."), QKeySequence(), "document-properties", false, kList},
      // Tools
      {kLayoutDesigner, QT_TRANSLATE_NOOP("MainActions", "&Layout Designer..."), QKeySequence(), "", false, kDesigner,
       QT_TRANSLATE_NOOP("MainActions", "Makes a layout for your telephone's labels, or changes one")},
      {kEditLayout, QT_TRANSLATE_NOOP("MainActions", "&Edit Layout..."), QKeySequence(), "", false, kDesigner,
       QT_TRANSLATE_NOOP("MainActions", "Opens the layout of the selected extension in the layout designer")},
      {kOptions, QT_TRANSLATE_NOOP("MainActions", "&Options..."), QKeySequence(), "preferences-system", false, kDialogs},
      {kCustomCodes, QT_TRANSLATE_NOOP("MainActions", "&Custom Codes..."), QKeySequence(), "", false, kCodesFeature},
      // Help
      {kTipOfTheDay, QT_TRANSLATE_NOOP("MainActions", "&Tip of the Day..."), QKeySequence(), "help-hint", false, kDialogs},
      {kGettingStarted, QT_TRANSLATE_NOOP("MainActions", "&Getting Started"), QKeySequence(), "help-contents", false, kDialogs},
      {kCheckForUpdates, QT_TRANSLATE_NOOP("MainActions", "Check for &Updates..."), QKeySequence(), "system-software-update", false, kDialogs},
      {kUpdatesOptions, QT_TRANSLATE_NOOP("MainActions", "Updates O&ptions..."), QKeySequence(), "", false, kDialogs},
      {kContactSupport, QT_TRANSLATE_NOOP("MainActions", "&Contact Support..."), QKeySequence(), "help-faq", false, kFeedback},
      {kAbout, QT_TRANSLATE_NOOP("MainActions", "&About Mirn..."), QKeySequence(), "help-about", false, kDialogs},
  };
  static const char* const kColorNames[] = {QT_TRANSLATE_NOOP("MainActions", "&Black"), QT_TRANSLATE_NOOP("MainActions", "&Maroon"), QT_TRANSLATE_NOOP("MainActions", "&Green"), QT_TRANSLATE_NOOP("MainActions", "&Olive"), QT_TRANSLATE_NOOP("MainActions", "&Navy"),
                                            QT_TRANSLATE_NOOP("MainActions", "&Purple"), QT_TRANSLATE_NOOP("MainActions", "&Teal"), QT_TRANSLATE_NOOP("MainActions", "Gr&ay"), QT_TRANSLATE_NOOP("MainActions", "&Silver"), QT_TRANSLATE_NOOP("MainActions", "&Red"),
                                            QT_TRANSLATE_NOOP("MainActions", "&Lime"), QT_TRANSLATE_NOOP("MainActions", "&Yellow"), QT_TRANSLATE_NOOP("MainActions", "Bl&ue"), QT_TRANSLATE_NOOP("MainActions", "&Fuchsia"), QT_TRANSLATE_NOOP("MainActions", "A&qua"), QT_TRANSLATE_NOOP("MainActions", "&White")};
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
