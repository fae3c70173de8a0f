#pragma once
// The layout the designer edits: a template in memory, loaded from a file or new, with every
// edit one step of an undo history. Objects are kept in ascending id order, as the reader
// gives them, and are named by their id; an edit that would break the file format (a text
// longer than its field) is refused with a message and changes nothing.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "layouts/LayoutObjects.h"
#include "templates/CDDFTemplate.h"
#include "templates/SheetStock.h"

namespace mirn {

// Slots laid out as a grid: `columns` × `rows`, the first at `first`, each next one `pitchX`
// to the right and `pitchY` down; filled row by row, as the sheets are printed.
struct SlotGrid {
  int columns = 1;
  int rows = 1;
  LabelSlot first;
  std::int32_t pitchX = 0;  // twips
  std::int32_t pitchY = 0;
};
std::vector<LabelSlot> GridSlots(const SlotGrid& grid);
// The grid that lays out `slots` exactly, so the designer's generator starts from the
// layout's own sheet; where they are no grid (or none), one slot at the first (or half an
// inch in) with the label's size as pitches.
SlotGrid GridOf(const std::vector<LabelSlot>& slots, std::int32_t labelWidth, std::int32_t labelHeight);

class LayoutDocument {
 public:
  // A new layout: format "270", no type code, a 2 x 1 inch label and no slots or objects.
  LayoutDocument();
  // The layout of a template file; throws DDFException as the reader does. The objects are
  // taken in id order, the preamble as written.
  static LayoutDocument Load(const std::filesystem::path& path);
  static LayoutDocument FromTemplate(CDDFTemplate layout, std::string preamble = {});

  const CDDFTemplate& Layout() const { return layout_; }
  const std::string& Preamble() const { return preamble_; }
  SheetStock Stock() const { return StockOf(layout_); }
  // The file the layout came from or was last saved to; empty for a new one.
  const std::filesystem::path& Path() const { return path_; }
  void SetPath(std::filesystem::path path) { path_ = std::move(path); }

  // Header. Texts longer than their fields, or not writable in Windows-1252, are refused:
  // the answer is the message, and nothing changes. Empty answers mean done.
  std::wstring SetTypeCode(const std::wstring& typeCode);  // kept up-cased
  std::wstring SetGroupName(const std::wstring& groupName);
  std::wstring SetDescription(const std::wstring& description);
  // Sizes must be positive.
  std::wstring SetLabelSize(std::int32_t width, std::int32_t height);
  void SetLandscape(bool landscape);
  void SetStock(const SheetStock& stock);

  // Slots.
  void SetSlots(std::vector<LabelSlot> slots);
  void GenerateSlots(const SlotGrid& grid) { SetSlots(GridSlots(grid)); }
  void MoveSlot(std::size_t index, LabelSlot to);
  void DeleteSlot(std::size_t index);
  void AddSlot(LabelSlot at);

  // Objects. `id` names the first object with that id; an id not in the layout is ignored.
  // A new object gets the next free id above the layout's others of its sort (text fields
  // from 1101, everything else from 2001), so that ids never reach the pictures' 1 to 1024.
  std::uint32_t AddObject(LayoutObjectKind kind, std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom);
  // Replaces an object with another (its id may change). Refused, with the message, when its
  // caption does not fit the format's field.
  std::wstring ReplaceObject(std::uint32_t id, const CDDFObject& object);
  std::wstring SetCaption(std::uint32_t id, const std::wstring& caption);
  std::wstring SetFieldDefault(std::uint32_t id, const FieldDefault& value);
  void SetFlag(std::uint32_t id, std::uint32_t flag, bool on);
  void SetColor(std::uint32_t id, std::uint32_t color);
  void SetObjectKind(std::uint32_t id, LayoutObjectKind kind);
  void SetObjectRect(std::uint32_t id, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
  // Moves the objects by (dx, dy) twips as one step.
  void MoveObjects(const std::vector<std::uint32_t>& ids, std::int32_t dx, std::int32_t dy);
  void DeleteObjects(const std::vector<std::uint32_t>& ids);
  const CDDFObject* FindObject(std::uint32_t id) const { return layout_.FindObject(id); }
  std::uint32_t NextFreeId(LayoutObjectKind kind) const;

  // Several edits as one undo step (a drag: every mouse move between press and release).
  // Steps nest; the step ends with the outermost EndStep.
  void BeginStep();
  void EndStep();

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  bool Undo();
  bool Redo();

  // Changed since it was loaded, made or last marked saved.
  bool IsModified() const { return revision_ != savedRevision_; }
  void MarkSaved() { savedRevision_ = revision_; }
  // Goes up with every change, undo and redo: views repaint when it moved.
  std::uint64_t Revision() const { return revision_; }

  // The file bytes, written by the template writer. Throws DDFWriteError when the layout
  // cannot be written (see ValidateLayout for the messages a person sees first).
  std::string Bytes() const;

 private:
  // Applies one edit as an undo step; `edit` answers false when it changed nothing.
  void Edit(const std::function<bool(CDDFTemplate&)>& edit);
  CDDFObject* Find(CDDFTemplate& t, std::uint32_t id);

  CDDFTemplate layout_;
  std::string preamble_;
  std::filesystem::path path_;
  std::vector<CDDFTemplate> undo_;  // earlier states, the latest last
  std::vector<CDDFTemplate> redo_;
  int stepDepth_ = 0;
  bool stepSaved_ = false;  // the open step has put its starting state on the undo list
  std::uint64_t revision_ = 0;
  std::uint64_t savedRevision_ = 0;
  // Revisions of the states on the undo and redo lists, so that undoing back to the saved
  // state clears the modified mark.
  std::vector<std::uint64_t> undoRevisions_;
  std::vector<std::uint64_t> redoRevisions_;
  std::uint64_t nextRevision_ = 1;
};

}  // namespace mirn
