#include "find/CopyStyles.h"

#include <algorithm>
#include <array>
#include <exception>

#include "db/MRBBase.h"
#include "db/MRBGraphic.h"
#include "platform/UserInterface.h"
#include "templates/DDFLibrary.h"
#include "text/CRTFText.h"
#include "text/MRBFieldTextSource.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

// The part of `from` that a style kind carries, laid onto `to`.
void TakeOver(TextFormat& to, const TextFormat& from, const StyleSet& styles) {
  if (styles.Has(StyleKind::FontStyle)) {
    to.face = from.face;
    to.bold = from.bold;
    to.italic = from.italic;
    to.underline = from.underline;
    to.strikeout = from.strikeout;
  }
  if (styles.Has(StyleKind::FontSize)) to.size = from.size;
  if (styles.Has(StyleKind::Alignment)) to.alignment = from.alignment;
  if (styles.Has(StyleKind::Color)) to.color = from.color;
}

bool HasTextPart(const StyleSet& styles) {
  for (const auto kind : {StyleKind::FontStyle, StyleKind::FontSize, StyleKind::Alignment,
                          StyleKind::Color, StyleKind::Text}) {
    if (styles.Has(kind)) return true;
  }
  return false;
}

// The destination's picture slots give way to copies of the source's descriptions. Both
// extensions live in the same database, so a description (a linked file, or the hash of
// stored bytes) means the same picture wherever it is stored.
int ReplaceGraphics(MRBBase& db, const CopyStylesSource& source, std::wstring_view destinationId) {
  std::vector<int> old;
  for (int slot = db.GetNextFieldId(destinationId, kFirstGraphicSlot - 1);
       slot != 0 && IsGraphicSlot(slot); slot = db.GetNextFieldId(destinationId, slot)) {
    old.push_back(slot);
  }
  for (const int slot : old) {
    if (const int rc = db.SetField(destinationId, slot, {}); rc != db::kOk) return rc;
  }
  for (const auto& [slot, description] : source.graphics) {
    if (const int rc = db.SetField(destinationId, slot, description); rc != db::kOk) return rc;
  }
  return db::kOk;
}

}  // namespace

std::wstring StyleKindName(StyleKind kind) {
  static const std::array<const char*, kStyleKindCount> kNames = {
      MIRN_TRANSLATABLE("CopyStyles", "Font Style"), MIRN_TRANSLATABLE("CopyStyles", "Font Size"),
      MIRN_TRANSLATABLE("CopyStyles", "Text Alignment"), MIRN_TRANSLATABLE("CopyStyles", "Text Color"),
      MIRN_TRANSLATABLE("CopyStyles", "Graphics"), MIRN_TRANSLATABLE("CopyStyles", "Text")};
  return Tr("CopyStyles", kNames[static_cast<size_t>(kind)]);
}

StyleSet StyleSet::Everything() {
  StyleSet s;
  s.bits_ = kAll;
  return s;
}

StyleSet& StyleSet::Add(StyleKind kind) {
  bits_ |= Bit(kind);
  return *this;
}

std::wstring StyleSet::Describe() const {
  if (IsEverything()) return L"Everything";
  std::wstring out;
  for (int k = 0; k < kStyleKindCount; ++k) {
    const auto kind = static_cast<StyleKind>(k);
    if (!Has(kind)) continue;
    if (!out.empty()) out += L", ";
    out += StyleKindName(kind);
  }
  return out;
}

CopyStylesSource PrepareCopyStyles(MRBBase& db, const CDDFTemplate& layout, std::wstring_view sourceId) {
  CopyStylesSource source;
  source.id = sourceId;
  db.GetExtension(sourceId, source.typeCode, source.name);
  const MRBFieldTextSource codes(db);
  for (const auto& object : layout.GetObjects()) {
    // Picture slots share the id range of graphic descriptions; a text written there would
    // destroy the picture, so only text fields take part.
    if (!object.IsSelectable() || IsGraphicSlot(static_cast<int>(object.id))) continue;
    CopyStylesSource::Field field;
    field.id = static_cast<int>(object.id);
    const std::wstring stored = db.GetField(sourceId, field.id);
    if (stored.empty()) {
      field.format = DefaultStyleFormat();
    } else {
      const CRTFText text(stored, source.id, source.name, &codes);
      field.empty = false;
      field.storedText = text.ToRtf();
      field.format = text.GetFirstFormat();
      field.text = LineFeedsToCrLf(text.GetUnexpandedText());
    }
    source.fields.push_back(std::move(field));
  }
  for (int slot = db.GetNextFieldId(sourceId, kFirstGraphicSlot - 1); slot != 0 && IsGraphicSlot(slot);
       slot = db.GetNextFieldId(sourceId, slot)) {
    source.graphics.emplace_back(slot, db.GetField(sourceId, slot));
  }
  return source;
}

int CopyStylesTo(MRBBase& db, const CopyStylesSource& source, std::wstring_view destinationId,
                 const StyleSet& styles) {
  if (styles.IsEverything()) {
    for (const auto& field : source.fields) {
      if (const int rc = db.SetField(destinationId, field.id, field.storedText); rc != db::kOk) return rc;
    }
  } else if (HasTextPart(styles)) {
    // Every destination text is read before the first write: a write drops the database's
    // cached field list, and reading after it would query again for each field.
    std::wstring typeCode, name;
    if (const int rc = db.GetExtension(destinationId, typeCode, name); rc != db::kOk) {
      return rc == db::kNoRow ? db::kNoSuchExtension : rc;
    }
    const std::wstring id(destinationId);
    const MRBFieldTextSource codes(db);
    std::vector<std::wstring> results;
    results.reserve(source.fields.size());
    for (const auto& field : source.fields) {
      const std::wstring stored = db.GetField(destinationId, field.id);
      TextFormat format = DefaultStyleFormat();
      std::wstring text;
      if (!stored.empty()) {
        const CRTFText present(stored, id, name, &codes);
        format = present.GetFirstFormat();
        text = LineFeedsToCrLf(present.GetUnexpandedText());
      }
      TakeOver(format, field.format, styles);
      results.push_back(WriteRtf(format, styles.Has(StyleKind::Text) ? field.text : text));
    }
    for (size_t i = 0; i < results.size(); ++i) {
      if (const int rc = db.SetField(destinationId, source.fields[i].id, results[i]); rc != db::kOk) return rc;
    }
  }
  if (styles.Has(StyleKind::Graphics)) return ReplaceGraphics(db, source, destinationId);
  return db::kOk;
}

std::wstring CopyStylesCompleteText() { return Tr("CopyStyles", "Copying complete."); }

std::wstring CopyStylesStoppedText(std::size_t copied) {
  return TrN("CopyStyles", "Copying stopped after %n extensions were copied.",
             "Copying stopped after %n extension was copied.", copied);
}

CopyStylesOutcome RunCopyStyles(MRBBase& db, DDFLibrary& library, UserInterface& ui,
                                const CopyStylesRequest& request) {
  CopyStylesOutcome outcome;
  outcome.total = request.destinations.size();
  const std::wstring typeCode = db.GetTypeCode(request.sourceId);
  if (!db.ExtensionExists(request.sourceId)) {
    outcome.notStarted = true;
    outcome.failure = db::kNoSuchExtension;
    ui.Message(FormatString(Tr("CopyStyles", "There is no extension \"%1\" to copy from."), {request.sourceId}));
    return outcome;
  }
  const std::shared_ptr<const CDDFTemplate> layout = library.FindTemplate(typeCode);
  if (!layout) {
    outcome.notStarted = true;
    ui.Message(FormatString(LoadString(kStrMissingAddOn), {typeCode}), mb::kIconError);
    return outcome;
  }
  const CopyStylesSource source = PrepareCopyStyles(db, *layout, request.sourceId);

  std::vector<std::wstring> order = request.destinations;
  std::sort(order.begin(), order.end());
  order.erase(std::unique(order.begin(), order.end()), order.end());
  outcome.total = order.size();
  {
    const auto progress = ui.OpenProgress(Tr("CopyStyles", "Copying Styles"));
    progress->SetRange(static_cast<long long>(order.size()));
    for (const auto& id : order) {
      if (!progress->RunPendingMessages() || progress->StopPressed()) {
        outcome.stopped = true;
        break;
      }
      progress->SetLine(FormatString(Tr("CopyStyles", "Copying to extension %1..."), {id}));
      if (const int rc = CopyStylesTo(db, source, id, request.styles); rc != db::kOk) {
        outcome.failure = rc;
        outcome.failedId = id;
        break;
      }
      ++outcome.copied;
      progress->Step();
    }
  }
  if (outcome.failure != db::kOk) {
    ui.Message(FormatString(Tr("CopyStyles", "The styles could not be copied to extension \"%1\": %2.\n\n%3"),
                            {outcome.failedId, DbResultText(outcome.failure), CopyStylesStoppedText(outcome.copied)}));
  } else if (outcome.copied == outcome.total) {
    ui.Message(CopyStylesCompleteText(), mb::kIconInformation);
  } else {
    ui.Message(CopyStylesStoppedText(outcome.copied), mb::kIconInformation);
  }
  return outcome;
}

}  // namespace mirn
