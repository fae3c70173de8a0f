#include "panel/LabelGraphicsEditor.h"

#include <vector>

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "db/DbRanges.h"
#include "db/DbResult.h"
#include "db/GraphicFiles.h"
#include "db/MRBBase.h"
#include "platform/Canvas.h"
#include "platform/UserInterface.h"
#include "util/Text.h"

namespace mirn {
namespace {

// Pictures of these formats have no reader on this system; the unreadable-picture message
// says so, since the file itself is probably fine.
bool IsWindowsMetafile(const std::filesystem::path& path) {
  const std::wstring ext = ToLower(path.extension().wstring());
  return ext == L".wmf" || ext == L".emf";
}

}  // namespace

LabelGraphicsEditor::LabelGraphicsEditor(MRBBase& db, std::wstring extensionId, std::filesystem::path databasePath)
    : db_(db), id_(std::move(extensionId)), databasePath_(std::move(databasePath)) {}

void LabelGraphicsEditor::Load() {
  records_.clear();
  changed_ = false;
  for (int fieldId : db_.FieldIds(id_)) {
    if (!IsGraphicSlot(fieldId)) continue;
    MRBGraphic graphic;
    if (db_.GetGraphicField(id_, fieldId, graphic) == db::kOk) records_[fieldId] = graphic;
  }
}

const MRBGraphic* LabelGraphicsEditor::Find(int slot) const {
  const auto it = records_.find(slot);
  return it == records_.end() ? nullptr : &it->second;
}

std::optional<int> LabelGraphicsEditor::Insert(UserInterface& ui, bool embed, int topLeftX, int topLeftY,
                                               const PictureLoader& loader, int zoomPercent,
                                               const TwipsMapping& view) {
  FileDialogRequest request;
  request.title = LoadString(embed ? 5137 : 2090);
  request.filter = LoadString(5136);
  request.fileMustExist = true;
  request.pathMustExist = true;
  const std::optional<std::filesystem::path> chosen = ui.OpenFileName(request);
  if (!chosen) return std::nullopt;

  std::vector<int> used;
  for (const auto& [slot, record] : records_) used.push_back(slot);
  // Slots the database holds but could not be read still count as taken.
  for (int fieldId : db_.FieldIds(id_)) used.push_back(fieldId);
  const std::optional<int> slot = NextGraphicSlot(used);
  if (!slot) {
    ui.Message(LoadString(5138), mb::kIconError);
    return std::nullopt;
  }

  MRBGraphic record;
  record.fileName = chosen->wstring();
  record.relativeName = RelativeGraphicName(*chosen, databasePath_);
  record.left = topLeftX;
  record.top = topLeftY;
  if (embed && db_.EmbedGraphic(record) != db::kOk) {
    ui.Message(LoadString(57605), mb::kIconError);
    return std::nullopt;
  }
  const std::shared_ptr<const Picture> picture = loader.LoadFile(record.fileName);
  if (!picture) {
    std::wstring text = FormatString(LoadString(5139), {StoredFileName(chosen->wstring())});
    if (IsWindowsMetafile(*chosen)) {
      text += L"\n\n" + Tr("LabelGraphicsEditor", "Windows Metafile pictures (WMF, EMF) cannot be shown on this system.");
    }
    ui.Message(text, mb::kIconError);
    return std::nullopt;
  }
  const TwipsSize natural = NaturalGraphicSize(picture->Width(), picture->Height(), zoomPercent, view);
  record.width = natural.width;
  record.height = natural.height;
  records_[*slot] = record;
  changed_ = true;
  db_.SetModified();
  return slot;
}

TwipsRect LabelGraphicsEditor::StoreRect(int slot, const TwipsRect& rect, int labelWidth, int labelHeight) {
  const auto it = records_.find(slot);
  if (it == records_.end()) return rect;
  const TwipsRect kept = KeepGraphicOnLabel(rect, labelWidth, labelHeight);
  MRBGraphic& record = it->second;
  record.left = kept.left;
  record.top = kept.top;
  record.width = kept.Width();
  record.height = kept.Height();
  changed_ = true;
  db_.SetModified();
  return kept;
}

bool LabelGraphicsEditor::Remove(UserInterface& ui, int slot) {
  const auto it = records_.find(slot);
  if (it == records_.end()) return false;
  MessageBoxRequest question;
  question.text = Tr("LabelGraphicsEditor", "Remove this graphic from the label?");
  question.caption = Tr("LabelGraphicsEditor", "Remove Graphic");
  question.style = mb::kYesNo | mb::kIconWarning | mb::kDefaultButton2;
  question.labels = {{mb::kIdYes, Tr("LabelGraphicsEditor", "Remove")},
                     {mb::kIdNo, Tr("LabelGraphicsEditor", "Don't Remove")}};
  if ((ui.MessageBox(question) & mb::kButtonMask) != mb::kIdYes) return false;
  if (it->second.locked) {
    ui.Message(LoadString(5144), mb::kIconInformation);
    return false;
  }
  records_.erase(it);
  changed_ = true;
  db_.SetModified();
  return true;
}

int LabelGraphicsEditor::Save() {
  if (!changed_) return db::kOk;
  int result = db::kOk;
  std::vector<int> stored;
  for (int fieldId : db_.FieldIds(id_)) {
    if (IsGraphicSlot(fieldId)) stored.push_back(fieldId);
  }
  for (int fieldId : stored) {
    const int code = db_.SetField(id_, fieldId, L"");
    if (code != db::kOk && result == db::kOk) result = code;
  }
  for (const auto& [slot, record] : records_) {
    const int code = db_.SetGraphicField(id_, slot, record);
    if (code != db::kOk && result == db::kOk) result = code;
  }
  changed_ = false;
  return result;
}

TwipsRect ShownGraphicRect(const MRBGraphic& record, const Picture* picture, int zoomPercent,
                           const TwipsMapping& view) {
  const TwipsSize natural =
      picture ? NaturalGraphicSize(picture->Width(), picture->Height(), zoomPercent, view) : TwipsSize{};
  return GraphicRectTwips(record.left, record.top, record.width, record.height, natural);
}

}  // namespace mirn
