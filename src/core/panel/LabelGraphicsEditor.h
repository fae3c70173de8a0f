#pragma once
// The pictures of the extension shown in the label view while the user works on them:
// their records by slot, inserting (embedded or linked), storing a moved or resized
// rectangle, removing, and writing them back. The picture windows of the view forward what
// the mouse and keyboard did; every decision and message is made here.

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "db/MRBGraphic.h"
#include "panel/GraphicPlacement.h"

namespace mirn {

class MRBBase;
class PictureLoader;
class Picture;
class UserInterface;

class LabelGraphicsEditor {
 public:
  // `databasePath` is the user's file (empty while untitled): linked pictures are stored
  // relative to its folder.
  LabelGraphicsEditor(MRBBase& db, std::wstring extensionId, std::filesystem::path databasePath);

  // Reads the extension's graphic slots in field order; slots that cannot be read are skipped.
  void Load();

  const std::map<int, MRBGraphic>& Records() const { return records_; }
  const MRBGraphic* Find(int slot) const;
  const std::wstring& ExtensionId() const { return id_; }

  // Asks for a picture file and puts it on the label with its top-left corner at
  // `topLeft` (twips: the top-left of the visible part of the label), sized to its pixels at
  // the view's zoom. Answers the new slot, or nothing when cancelled or refused (the reason
  // has then been shown).
  std::optional<int> Insert(UserInterface& ui, bool embed, int topLeftX, int topLeftY, const PictureLoader& loader,
                            int zoomPercent, const TwipsMapping& view);

  // After a move or a resize: stores the window's rectangle (twips) kept on a label of the
  // given size, and answers the rectangle stored (the window moves there when it differs).
  TwipsRect StoreRect(int slot, const TwipsRect& rect, int labelWidth, int labelHeight);

  // Asks whether to remove the picture of `slot` and removes it unless it is locked. True
  // when it was removed.
  bool Remove(UserInterface& ui, int slot);

  // True when a picture was inserted, moved, sized or removed since the last write.
  bool Changed() const { return changed_; }

  // Writes the pictures back when they changed: empty content to every graphic slot the
  // extension holds, then each record. Answers the first failing database code, or 0.
  int Save();

 private:
  MRBBase& db_;
  std::wstring id_;
  std::filesystem::path databasePath_;
  std::map<int, MRBGraphic> records_;
  bool changed_ = false;
};

// The rectangle (twips) a record is shown at, its width or height of 0 standing for the
// natural size of `picture` (none: 0) at the view's zoom.
TwipsRect ShownGraphicRect(const MRBGraphic& record, const Picture* picture, int zoomPercent,
                           const TwipsMapping& view);

}  // namespace mirn
