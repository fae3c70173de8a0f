#include "gui/LabelCommands.h"

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QMenu>
#include <QPointer>
#include <array>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/CommandRules.h"
#include "app/DocumentController.h"
#include "app/ZoomState.h"
#include "db/MRBBase.h"
#include "gui/CEditorDlg.h"
#include "gui/CMainFrame.h"
#include "gui/CMirnNamePanel.h"
#include "gui/CMirnPanel.h"
#include "gui/FontChoice.h"
#include "gui/ListPanel.h"
#include "gui/StartPage.h"
#include "gui/Widgets.h"
#include "panel/CodeInsertion.h"
#include "panel/FieldOverflow.h"
#include "panel/LabelViewController.h"
#include "platform/KnownFolders.h"
#include "qt/PrintTargets.h"
#include "qt/QtClipboard.h"
#include "qt/QtText.h"
#include "templates/DDFLibrary.h"
#include "text/CustomCodes.h"

namespace mirn {
namespace {

// The 16 colours of the Color menu, in its order.
constexpr std::array<Color, 16> kMenuColors = {
    MakeColor(0, 0, 0),     MakeColor(128, 0, 0),   MakeColor(0, 128, 0),   MakeColor(128, 128, 0),
    MakeColor(0, 0, 128),   MakeColor(128, 0, 128), MakeColor(0, 128, 128), MakeColor(128, 128, 128),
    MakeColor(192, 192, 192), MakeColor(255, 0, 0), MakeColor(0, 255, 0),   MakeColor(255, 255, 0),
    MakeColor(0, 0, 255),   MakeColor(255, 0, 255), MakeColor(0, 255, 255), MakeColor(255, 255, 255)};

// Follows the document: a new or opened database is shown, a closed one forgotten, and the
// undo history ends where the document's file changes.
class LabelDocumentEvents final : public QObject, public DocumentListener {
 public:
  LabelDocumentEvents(DocumentController& document, CMirnPanel& panel, ListPanel* list)
      : QObject(&panel), document_(document), panel_(panel), list_(list) {
    document_.AddListener(*this);
  }
  ~LabelDocumentEvents() override { document_.RemoveListener(*this); }

  void DocumentClosed() override { panel_.View().SetDatabase(nullptr); }
  void DocumentOpened(const std::vector<std::wstring>& selections) override {
    // With a list, the selection it restores for the opened database gives the label its
    // database and extension; doing it here as well would show the label twice (and repeat
    // any message about a missing layout).
    if (list_ != nullptr) return;
    MRBBase* db = document_.Database();
    panel_.View().SetDatabase(db);
    if (db != nullptr && !selections.empty()) panel_.View().SetExtension(selections.front());
  }
  void DocumentNameChanged(const std::wstring&) override { panel_.View().ClearHistory(); }
  void CommitPendingEdit() override {
    if (panel_.Editor()) panel_.Editor()->CloseAccepted(EditorDirection::Stop);
  }
  void FieldTextsEdited(const EditStep& step) override { panel_.View().RecordEdit(step); }

 private:
  DocumentController& document_;
  CMirnPanel& panel_;
  ListPanel* list_;
};

void RebuildCustomCodeItems(QMenu& menu, CMirnPanel& panel) {
  for (QAction* action : menu.actions()) {
    if (action->property("customCode").toBool()) {
      menu.removeAction(action);
      action->deleteLater();
    }
  }
  const auto& codes = panel.CustomCodes();
  if (codes.empty()) return;
  QAction* separator = menu.addSeparator();
  separator->setProperty("customCode", true);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const int id = kFirstCustomCodeCommand + static_cast<int>(i);
    QAction* action = menu.addAction(ToQString(codes[i].label));
    action->setProperty("customCode", true);
    action->setObjectName(PlainText(action->text()));
    action->setStatusTip(QObject::tr("Inserts this custom code"));
    QObject::connect(action, &QAction::triggered, &panel, [&panel, id] { panel.RunCodeCommand(id); });
  }
}

}  // namespace

CMirnPanel* InstallLabelCommands(CMainFrame& frame, ListPanel* list) {
  using namespace cmd;
  AppServices& services = frame.Services();
  static QtClipboard clipboard;  // holds no state: every call goes to the system clipboard
  DDFLibrary& library = services.library;
  auto* panel = new CMirnPanel(services.ui, services.profile, clipboard,
                               [&library](const std::wstring& typeCode) -> std::shared_ptr<const CDDFTemplate> {
                                 // A layout that is missing or cannot be read leaves the label
                                 // empty with the missing add-on message.
                                 return library.FindTemplate(typeCode);
                               },
                               CustomCodesPath(services.folders));
  frame.SetLabelPanel(panel);
  frame.SetNamePanel(panel->NamePanel());
  auto* start = new StartPage(frame, *panel, services.folders.Get(KnownFolder::Program) / "samples" / "sample-labels.mrb");
  if (list) {
    // Extensions added to an empty database end the start page.
    QObject::connect(list->model(), &QAbstractItemModel::modelReset, start, &StartPage::Update);
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, start, &StartPage::Update);
    QObject::connect(list->model(), &QAbstractItemModel::rowsRemoved, start, &StartPage::Update);
  }
  new LabelDocumentEvents(services.document, *panel, list);
  LabelViewController& view = panel->View();

  const auto hasLabel = [&view] { return view.HasLabel(); };
  const auto hasSelection = [&view] { return view.HasLabel() && !view.Selection().empty(); };
  const auto onPanel = [&frame, &view] { return view.HasLabel() && frame.LabelPanelHasFocus(); };

  frame.SetCommandHandler(kEditText, [&view] { view.OpenEditor(view.CurrentField()); }, hasSelection);
  frame.SetCommandHandler(kEditCopy, [&view] { view.Copy(); }, hasSelection);
  frame.SetCommandHandler(kEditCut, [&view] { view.Cut(); }, hasSelection);
  frame.SetCommandHandler(kEditPaste, [&view] { view.Paste(); }, hasSelection);
  // Clear, Select All and Unselect All act on the label while it has the focus, the last two
  // on the list's rows otherwise.
  frame.SetCommandHandler(kEditClear, [&view] { view.Clear(); }, onPanel);
  const auto selectAllTarget = [&frame, &view, list] {
    return SelectAllTargetFor(view.HasLabel(), frame.LabelPanelHasFocus(), list != nullptr);
  };
  frame.SetCommandHandler(kEditSelectAll, [&view, list, selectAllTarget] {
    switch (selectAllTarget()) {
      case SelectAllTarget::kLabelFields: view.SelectAll(); break;
      case SelectAllTarget::kListRows: list->SelectAllRows(); break;
      case SelectAllTarget::kNothing: break;
    }
  }, [selectAllTarget] { return selectAllTarget() != SelectAllTarget::kNothing; });
  // Unselect All clears what Select All would fill; when it may run is the table's rule.
  frame.SetCommandHandler(kUnselectAll, [&view, list, selectAllTarget] {
    switch (selectAllTarget()) {
      case SelectAllTarget::kLabelFields: view.Select({}); break;
      case SelectAllTarget::kListRows: list->UnselectAll(); break;
      case SelectAllTarget::kNothing: break;
    }
  });
  // The label shows the extension the list model picks from its selection.
  if (list) {
    DocumentController& document = services.document;
    QObject::connect(list, &ListPanel::selectedIdsChanged, panel, [list, &view, &document] {
      // The list may hear of a new document before the label does.
      if (view.Database() != document.Database()) view.SetDatabase(document.Database());
      view.SetExtension(list->List().ShownId());
    });
  }

  frame.SetCommandHandler(kBold, [&view] { view.ToggleBold(); }, hasSelection);
  frame.SetCommandHandler(kItalic, [&view] { view.ToggleItalic(); }, hasSelection);
  // Ticked when every selected field is bold (italic); a mixed selection shows neither.
  frame.SetCommandChecked(kBold, [&view] { return view.SelectionFormat().bold.value_or(false); });
  frame.SetCommandChecked(kItalic, [&view] { return view.SelectionFormat().italic.value_or(false); });
  frame.SetCommandHandler(kFontGrow, [&view] { view.ChangeSize(2); }, hasSelection);
  frame.SetCommandHandler(kFontShrink, [&view] { view.ChangeSize(-2); }, hasSelection);
  // Measured as the overflow marks and the warning before printing measure.
  frame.SetCommandHandler(
      kShrinkToFit,
      [&view] { view.ShrinkSelectionToFit(*MakeMeasuringCanvas(kOverflowMeasureDpi, kOverflowMeasureDpi)); },
      hasSelection);
  frame.SetCommandHandler(kAlignLeft, [&view] { view.SetAlignment(Alignment::Left); }, hasSelection);
  frame.SetCommandHandler(kAlignCenter, [&view] { view.SetAlignment(Alignment::Center); }, hasSelection);
  frame.SetCommandHandler(kAlignRight, [&view] { view.SetAlignment(Alignment::Right); }, hasSelection);
  frame.SetCommandHandler(kAlignJustify, [&view] { view.SetAlignment(Alignment::Justify); }, hasSelection);
  frame.SetCommandHandler(kAlign, [] {}, hasSelection);
  frame.SetCommandHandler(kTextColor, [] {}, hasSelection);
  for (int id = kColorFirst; id <= kColorLast; ++id) {
    const Color color = kMenuColors[static_cast<std::size_t>(id - kColorFirst)];
    frame.SetCommandHandler(id, [&view, color] { view.SetColor(color); }, hasSelection);
  }
  frame.SetCommandHandler(kOtherColor, [&view, panel] {
    const auto current = view.CurrentFormat();
    const Color c = current ? current->color : 0;
    const QColor chosen = QColorDialog::getColor(QColor(RedOf(c), GreenOf(c), BlueOf(c)), panel->window());
    if (chosen.isValid()) view.SetColor(MakeColor(chosen.red(), chosen.green(), chosen.blue()));
  }, hasSelection);
  frame.SetCommandHandler(kFont, [&view, panel] {
    if (const auto format = ChooseFont(view.CurrentFormat().value_or(TextFormat{}), panel->window())) view.SetFont(*format);
  }, hasSelection);
  QObject::connect(&frame, &CMainFrame::FontNameChosen, panel,
                   [&view](const QString& face) { view.SetFace(FromQString(face)); });
  QObject::connect(&frame, &CMainFrame::FontSizeChosen, panel, [&view](int points) { view.SetSize(points * 2); });
  QObject::connect(&frame, &CMainFrame::ColorChosen, panel, [&view](unsigned color) { view.SetColor(color); });

  frame.SetCommandHandler(kRotate, [&view] { view.Rotate(false); },
                          [&view] { return view.HasLabel() && view.Selection().size() >= 2; });
  frame.SetCommandHandler(kReverseRotate, [&view] { view.Rotate(true); },
                          [&view] { return view.HasLabel() && view.Selection().size() >= 2; });

  frame.SetCommandHandler(kInsertExtensionId, [panel] { panel->RunCodeCommand(CMirnPanel::kInsertExtensionId); },
                          hasSelection);
  frame.SetCommandHandler(kInsertThisName, [panel] { panel->RunCodeCommand(CMirnPanel::kInsertThisName); },
                          hasSelection);
  frame.SetCommandHandler(kInsertOtherName, [panel] { panel->RunCodeCommand(CMirnPanel::kInsertOtherName); },
                          hasSelection);
  frame.SetCommandHandler(kCodes, [] {}, hasLabel);
  frame.SetCommandHandler(kCodesCustomize, [panel] { panel->EditCustomCodes(); });
  frame.SetCommandHandler(kCustomCodes, [panel] { panel->EditCustomCodes(); });
  if (QMenu* codes = frame.Menu(QStringLiteral("Codes Menu"))) {
    QObject::connect(codes, &QMenu::aboutToShow, panel, [codes, panel] { RebuildCustomCodeItems(*codes, *panel); });
  }

  frame.SetCommandHandler(kEditUndo, [&view] { view.Undo(); }, [&view] { return view.CanUndo(); });
  frame.SetCommandHandler(kEditRedo, [&view] { view.Redo(); }, [&view] { return view.CanRedo(); });

  // The zoom commands set the shared zoom; the view follows it and reports what a fit mode
  // came to.
  ZoomModel& zoom = services.zoom;
  // The zoom model outlives the window: the listener checks that the panel is still there.
  zoom.AddListener([guard = QPointer<CMirnPanel>(panel)](const ZoomState& state) {
    if (guard) guard->View().SetZoom(state.Factor());
  });
  view.onZoomChanged = [&zoom, &view] { zoom.ReportPercent(view.Zoom()); };
  view.SetZoom(zoom.State().Factor());

  // The toolbar's boxes show the selection's face and size, empty where the fields differ.
  const auto showFormat = [&frame, &view] {
    if (!view.CurrentFormat()) return;
    const auto format = view.SelectionFormat();
    if (QComboBox* face = frame.FontNameBox()) face->setCurrentText(format.face ? ToQString(*format.face) : QString());
    if (QComboBox* size = frame.FontSizeBox()) {
      size->setCurrentText(format.size ? QString::number(*format.size / 2) : QString());
    }
  };
  QObject::connect(panel, &CMirnPanel::StateChanged, &frame, [&frame, showFormat] {
    showFormat();
    frame.UpdateCommandStates();
  });
  return panel;
}

}  // namespace mirn
