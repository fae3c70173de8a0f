#include "gui/FindCommands.h"

#include <QTimer>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/DocumentController.h"
#include "db/MRBBase.h"
#include "gui/CCopyStylesWizard.h"
#include "gui/CFREditorDlg.h"
#include "gui/CFindDlg.h"
#include "gui/CFrameArea.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnPanel.h"
#include "gui/CMainFrame.h"
#include "gui/ListPanel.h"

namespace mirn {
namespace {

ListPanel* ListOf(CMainFrame& frame) { return qobject_cast<ListPanel*>(frame.Area()->ListPanel()); }
CMirnPanel* LabelOf(CMainFrame& frame) { return qobject_cast<CMirnPanel*>(frame.Area()->LabelPanel()); }

// The label shows what the database now holds for the extension.
void ReloadLabel(CMainFrame& frame, const std::wstring& id) {
  CMirnPanel* label = LabelOf(frame);
  if (label && (id.empty() || label->View().ExtensionId() == id)) label->View().Reload();
}

bool HasExtensions(const AppServices& services) {
  MRBBase* db = services.document.Database();
  return db != nullptr && db->GetExtensionCount() > 0;
}

}  // namespace

FindSession::FindSession(CMainFrame& frame) : QObject(&frame), frame_(frame), controller_(frame.Services().ui) {}

void FindSession::Run(FindMode mode) {
  if (editor_) return;
  CFindDlg dialog(mode, controller_.State(), controller_.CanContinue(), &frame_);
  if (dialog.exec() != QDialog::Accepted) return;
  Start(dialog.Request());
}

void FindSession::Start(const FindRequest& request) {
  if (editor_) return;
  // A field edit in progress ends first, so that the search sees its text.
  frame_.Services().document.CommitPendingEdits();
  std::vector<std::wstring> ids;
  if (ListPanel* list = ListOf(frame_)) ids = list->AllIds();
  controller_.Start(request, std::move(ids));
  Step();
}

void FindSession::Step() {
  MRBBase* db = frame_.Services().document.Database();
  if (!db) {
    controller_.Reset();
    return;
  }
  current_ = controller_.FindNext(*db);
  if (!current_) return;
  db_ = db;
  ListPanel* list = ListOf(frame_);
  if (list) list->Select(current_->id, false, true, true);
  const SearchState& s = controller_.State();
  const FindReplaceEditor rules(current_->text, current_->start, current_->length, s.findText, s.replaceText,
                                s.matchCase, s.mode);
  editor_ = new CFREditorDlg(rules, &frame_);
  connect(editor_, &CFREditorDlg::Closed, this, &FindSession::OnEditorClosed);
  // Beside the label, level with the field it asks about, so that both stay in sight; without
  // the field's label in view, over the label panel's corner.
  QPoint at = frame_.mapToGlobal(QPoint(10, 10));
  if (CMirnPanel* label = LabelOf(frame_); label && label->View().ExtensionId() == current_->id) {
    const auto field = static_cast<std::uint32_t>(current_->fieldId);
    label->View().Select({field});
    const DeviceRect rect = label->View().FieldRect(field);
    const QWidget* image = label->Image();
    const QRect shown = image->visibleRegion().boundingRect();
    const QPoint fieldTopLeft = image->mapToGlobal(QPoint(rect.left, rect.top));
    const QPoint fieldBottomRight = image->mapToGlobal(QPoint(rect.right, rect.bottom));
    const QPoint labelTopLeft = image->mapToGlobal(shown.topLeft());
    const QPoint labelBottomRight = image->mapToGlobal(shown.bottomRight());
    editor_->PlaceBeside({fieldTopLeft.x(), fieldTopLeft.y(), fieldBottomRight.x(), fieldBottomRight.y()},
                         {labelTopLeft.x(), labelTopLeft.y(), labelBottomRight.x(), labelBottomRight.y()});
    editor_->show();
    editor_->activateWindow();
    return;
  }
  if (QWidget* panel = frame_.Area()->LabelPanel()) at = panel->mapToGlobal(QPoint(10, 10));
  editor_->PlaceAt(at);
  editor_->show();
  editor_->activateWindow();
}

void FindSession::OnEditorClosed(const FindReplaceEditor& editor) {
  editor_ = nullptr;
  MRBBase* db = frame_.Services().document.Database();
  // A document closed or replaced while the editor was open takes the search with it.
  if (!current_ || db == nullptr || db != db_) {
    controller_.Reset();
    return;
  }
  bool stored = false;
  const bool goOn = controller_.EditorClosed(*db, frame_.Services().profile, *current_, editor, &stored);
  if (stored) {
    if (ListPanel* list = ListOf(frame_)) list->RefreshRow(current_->id);
    ReloadLabel(frame_, current_->id);
    Q_EMIT FieldChanged(current_->id, current_->fieldId);
    frame_.UpdateCommandStates();
  }
  // The next field is sought once the editor is gone, as a posted message would do it.
  if (goOn) QTimer::singleShot(0, this, &FindSession::Step);
}

FindSession& InstallFindCommands(CMainFrame& frame) {
  AppServices& services = frame.Services();
  auto* session = new FindSession(frame);
  const auto enabled = [&services] { return HasExtensions(services); };
  frame.SetCommandHandler(cmd::kEditFind, [session] { session->Run(FindMode::Find); }, enabled);
  frame.SetCommandHandler(cmd::kEditReplace, [session] { session->Run(FindMode::Replace); }, enabled);
  frame.SetCommandHandler(cmd::kCopyStyles, [&frame, &services] {
    MRBBase* db = services.document.Database();
    if (!db) return;
    CCopyStylesWizard wizard(*db, services.library, services.ui, &frame);
    wizard.exec();
    if (wizard.Outcome().copied > 0) ReloadLabel(frame, {});
    frame.UpdateCommandStates();
  }, enabled);
  frame.UpdateCommandStates();
  return *session;
}

}  // namespace mirn
