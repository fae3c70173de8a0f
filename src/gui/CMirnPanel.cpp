#include "gui/CMirnPanel.h"

#include <QApplication>
#include <QMenu>
#include <QResizeEvent>

#include "util/StringTable.h"
#include "gui/CCustomCodesDlg.h"
#include "gui/CEditorDlg.h"
#include "gui/CMirnFieldEdit.h"
#include "gui/ListCommands.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnNamePanel.h"
#include "gui/CMirnWnd.h"
#include "panel/CodeInsertion.h"
#include "panel/FieldOverflow.h"
#include "platform/Profile.h"
#include "qt/QPainterCanvas.h"
#include "qt/QtText.h"

namespace mirn {

CMirnPanel::CMirnPanel(UserInterface& ui, Profile& profile, Clipboard& clipboard,
                       LabelViewController::TemplateLookup templates, std::filesystem::path customCodesFile,
                       QWidget* parent)
    : QWidget(parent), ui_(ui), profile_(profile), codesFile_(std::move(customCodesFile)) {
  setObjectName("LabelPanel");
  setAccessibleName(tr("Label panel"));
  view_ = std::make_unique<LabelViewController>(static_cast<LabelViewHost&>(*this), ui, profile, clipboard, std::move(templates));
  namePanel_ = new CMirnNamePanel();
  host_ = new CMirnWnd(*view_, this);
  // Focus given to the pane (the toolbar hands it back after a choice) goes to the label.
  setFocusProxy(host_->Image());
  host_->Image()->SetEditorInput([this]() -> QWidget* {
    CEditorDlg* editor = Editor();
    return editor ? editor->Edit() : nullptr;
  });
  view_->SetScreen(logicalDpiX(), logicalDpiY());
  measureImage_ = QImage(8, 8, QImage::Format_RGB32);
  const int dotsPerMeter = MulDiv(kOverflowMeasureDpi, 10000, 254);
  measureImage_.setDotsPerMeterX(dotsPerMeter);
  measureImage_.setDotsPerMeterY(dotsPerMeter);
  measurePainter_ = std::make_unique<QPainter>(&measureImage_);
  measureCanvas_ = std::make_unique<QPainterCanvas>(*measurePainter_, kOverflowMeasureDpi, kOverflowMeasureDpi);
  view_->SetMeasureCanvas(measureCanvas_.get());
  view_->onStateChanged = [this] { Q_EMIT StateChanged(); };
  ReloadCustomCodes();
}

CMirnPanel::~CMirnPanel() {
  if (editor_) {
    editor_->disconnect(this);
    delete editor_;
  }
  view_->onStateChanged = nullptr;
  // The label window talks to the controller (and through it to this host) until it is gone:
  // it goes while both still exist.
  delete host_;
  host_ = nullptr;
  // The caption bar belongs to whoever placed it; unplaced it is ours.
  if (namePanel_ && !namePanel_->parent()) delete namePanel_;
}

CMirnImage* CMirnPanel::Image() const { return host_->Image(); }

void CMirnPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  host_->setGeometry(rect().adjusted(2, 2, -2, -2));
}

void CMirnPanel::ReloadCustomCodes() {
  if (codesFile_.empty()) return;
  codes_ = LoadCustomCodes(codesFile_, profile_, {});
}

// ---- host --------------------------------------------------------------------------------

void CMirnPanel::InvalidateLabel(const DeviceRect& r) { Image()->update(r.left, r.top, r.Width(), r.Height()); }

void CMirnPanel::LabelGeometryChanged() { host_->Place(); }

void CMirnPanel::SetCaption(const std::wstring& text) {
  if (namePanel_) namePanel_->SetText(ToQString(text));
}

void CMirnPanel::ScrollIntoView(const DeviceRect& rect) { host_->ScrollIntoView(rect); }

void CMirnPanel::Scroll(ScrollCommand command) { host_->Scroll(command); }

void CMirnPanel::OpenEditor(const EditorText& text, const DeviceRect& fieldRect, bool selectAll) {
  if (!editor_) {
    editor_ = new CEditorDlg(text, selectAll, ToQString(LoadString(2064)), window());
    editor_->SetCodesMenuBuilder([this](QMenu& menu) { FillCodesMenu(menu); });
    connect(editor_, &CEditorDlg::Closed, this, &CMirnPanel::EditorFinished);
    connect(editor_, &CEditorDlg::CodeChosen, this, &CMirnPanel::RunCodeCommand);
  } else {
    editor_->Start(text, selectAll);
  }
  editorOpen_ = true;
  editor_->PlaceAt(Image()->mapToGlobal(QPoint(fieldRect.left + 10, fieldRect.top + 10)));
  editor_->show();
  editor_->raise();
  editor_->activateWindow();
}

void CMirnPanel::CloseEditor() {
  if (CEditorDlg* editor = Editor()) editor->CloseAccepted(EditorDirection::Stop);
}

void CMirnPanel::InsertIntoEditor(const std::wstring& text) {
  if (CEditorDlg* editor = Editor()) editor->InsertText(ToQString(text));
}

void CMirnPanel::Beep() { QApplication::beep(); }

void CMirnPanel::EditorFinished(bool accepted, const QString& text, int direction) {
  editorOpen_ = false;
  std::optional<std::wstring> result;
  if (accepted) result = FromQString(text);
  view_->EditorClosed(std::move(result), static_cast<EditorDirection>(direction));
  if (!editorOpen_ && isVisible()) {
    window()->activateWindow();
    Image()->setFocus();
  }
}

// ---- codes -------------------------------------------------------------------------------

void CMirnPanel::FillCodesMenu(QMenu& menu) {
  menu.addAction(tr("Extension &ID"))->setData(kInsertExtensionId);
  menu.addAction(tr("&Name of This Extension"))->setData(kInsertThisName);
  menu.addAction(tr("Name of &Another Extension..."))->setData(kInsertOtherName);
  menu.addSeparator();
  menu.addAction(tr("Customi&ze..."))->setData(kCustomizeCodes);
  if (codes_.empty()) return;
  menu.addSeparator();
  for (std::size_t i = 0; i < codes_.size(); ++i) {
    QAction* action = menu.addAction(ToQString(codes_[i].label));
    action->setData(kFirstCustomCodeCommand + static_cast<int>(i));
    action->setStatusTip(tr("Inserts this custom code"));
  }
}

void CMirnPanel::RunCodeCommand(int command) {
  if (CEditorDlg* editor = Editor()) editor->HoldOpen(true);
  switch (command) {
    case kInsertExtensionId: view_->InsertCode(ExtensionIdCode()); break;
    case kInsertThisName: view_->InsertCode(ThisNameCode()); break;
    case kInsertOtherName:
      if (const auto code = AskOtherNameCode()) view_->InsertCode(*code);
      break;
    case kCustomizeCodes: EditCustomCodes(); break;
    default: {
      const int index = command - kFirstCustomCodeCommand;
      if (index >= 0 && index < static_cast<int>(codes_.size())) {
        const CustomCode code = codes_[static_cast<std::size_t>(index)];
        view_->InsertCode(code.text, code.style);
      }
    }
  }
  if (CEditorDlg* editor = Editor()) {
    editor->HoldOpen(false);
    editor->activateWindow();
  }
}

std::optional<std::wstring> CMirnPanel::AskOtherNameCode() {
  MRBBase* db = view_->Database();
  if (!db) return std::nullopt;
  return RunInsertExtensionName(window(), *db, profile_);
}

bool CMirnPanel::EditCustomCodes() {
  if (codesFile_.empty()) return false;
  CCustomCodesDlg dialog(codes_, codesFile_, view_->DefaultFont(), ui_, window());
  if (dialog.exec() != QDialog::Accepted) return false;
  codes_ = dialog.Codes();
  return true;
}

}  // namespace mirn
