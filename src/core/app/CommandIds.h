#pragma once
// The command ids of the main window: menus, toolbar buttons and context menus. The same
// numbers key the string table's status prompts and tool tips, and features attach their
// handlers to them (CMainFrame::SetCommandHandler), so a command keeps one number everywhere.

namespace mirn::cmd {

// ---- File ----------------------------------------------------------------------------------
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kConfigureImport = 40109;
inline constexpr int kImportData = 40095;
inline constexpr int kExportCsv = 40094;
inline constexpr int kExportExcel = 40093;
inline constexpr int kPrecisePrinterAdjustment = 40049;
inline constexpr int kAppExit = 57665;
// Recent files: kRecentFileFirst + index, one per entry of the recent files list.
inline constexpr int kRecentFileFirst = 49000;
inline constexpr int kRecentFileLast = 49005;
// The import submenus built from the import filters.
inline constexpr int kConfigureFilterFirst = 9500;   // + filter index
inline constexpr int kFilterImportFirst = 9600;      // + filter index
inline constexpr int kImportCsv = 9800;
inline constexpr int kConfigureCsvImport = 9801;
inline constexpr int kImportMerge = 9802;

// ---- Edit ----------------------------------------------------------------------------------
inline constexpr int kEditClear = 57632;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditFind = 57636;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditReplace = 57641;
inline constexpr int kEditSelectAll = 57642;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kUnselectAll = 40005;
inline constexpr int kEditText = 40019;
inline constexpr int kCopyStyles = 40056;

// ---- View ----------------------------------------------------------------------------------
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kExtensionList = 40006;
inline constexpr int kRefresh = 40073;
inline constexpr int kZoom50 = 40007;
inline constexpr int kZoom75 = 40008;
inline constexpr int kZoom100 = 40009;
inline constexpr int kZoom150 = 40010;
inline constexpr int kZoom200 = 40011;
inline constexpr int kZoomCustom = 40012;
inline constexpr int kZoomFitWidth = 40013;
inline constexpr int kZoomFitLabel = 40014;

// ---- Format --------------------------------------------------------------------------------
inline constexpr int kAlignLeft = 40020;
inline constexpr int kAlignCenter = 40021;
inline constexpr int kAlignRight = 40022;
inline constexpr int kAlignJustify = 40078;
inline constexpr int kFont = 40023;
inline constexpr int kAlign = 40085;          // toolbar button with the alignment menu
inline constexpr int kBold = 3107;
inline constexpr int kItalic = 3108;
inline constexpr int kTextColor = 3106;       // toolbar colour button with the palette
inline constexpr int kFontName = 3109;        // toolbar font-name box
inline constexpr int kFontSize = 3110;        // toolbar font-size box
inline constexpr int kFontGrow = 3111;
inline constexpr int kFontShrink = 3112;
inline constexpr int kShrinkToFit = 3114;     // the selected fields' text made to fit them
inline constexpr int kCodes = 3113;           // toolbar button with the codes menu
inline constexpr int kColorFirst = 40032;     // the 16 text colours of the Color menu
inline constexpr int kColorLast = 40047;
inline constexpr int kOtherColor = 40048;
inline constexpr int kRotate = 40054;
inline constexpr int kReverseRotate = 40055;

// ---- Insert --------------------------------------------------------------------------------
inline constexpr int kInsertPicture = 40024;
inline constexpr int kInsertPictureLink = 40117;
inline constexpr int kGraphicProperties = 40075;
inline constexpr int kRemoveGraphic = 40076;
inline constexpr int kCustomCodes = 40061;
inline constexpr int kCodesCustomize = 40067;   // first item of every Codes menu
inline constexpr int kCustomCodeFirst = 6160;   // one per custom code, in order
inline constexpr int kCustomCodeLast = 6287;
inline constexpr int kInsertExtensionId = 40069;
inline constexpr int kInsertThisName = 40070;
inline constexpr int kInsertOtherName = 40066;

// ---- Extensions ----------------------------------------------------------------------------
inline constexpr int kNewExtension = 40000;
inline constexpr int kDeleteExtension = 40001;
inline constexpr int kProperties = 40072;
// The string table keeps prompts for these two; they have no menu entry and no action.
inline constexpr int kChangeName = 40002;
inline constexpr int kChangeExtensionId = 40015;

// ---- Tools and Help ------------------------------------------------------------------------
inline constexpr int kOptions = 40057;
inline constexpr int kLayoutDesigner = 40140;
inline constexpr int kEditLayout = 40141;
inline constexpr int kTipOfTheDay = 40077;
inline constexpr int kGettingStarted = 40079;
inline constexpr int kCheckForUpdates = 40110;
inline constexpr int kUpdatesOptions = 40111;
inline constexpr int kContactSupport = 40113;
inline constexpr int kAbout = 57664;

inline constexpr bool IsRecentFile(int id) { return id >= kRecentFileFirst && id <= kRecentFileLast; }
inline constexpr bool IsCustomCode(int id) { return id >= kCustomCodeFirst && id <= kCustomCodeLast; }
inline constexpr bool IsTextColor(int id) { return id >= kColorFirst && id <= kColorLast; }

}  // namespace mirn::cmd
