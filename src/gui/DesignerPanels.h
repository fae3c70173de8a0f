#pragma once
// The layout designer's property panels beside the label: the selected object (kind, id,
// position, size, text and its style), the layout's header (type code, maker, name, label
// size, sheet and stock) and its slots (the grid generator, with the sheet drawn). Each
// panel reads the document, hands a changed value to it as one edit, and says what the
// document refused.

#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "print/AdjustmentUnits.h"
#include "qt/QtText.h"
#include "templates/CDDFTemplate.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace mirn {

class DesignerController;
class LayoutDocument;
class DesignerSheetView;

// A length box in the unit: tenths of a millimetre or hundredths of an inch.
QDoubleSpinBox* NewLengthBox(QWidget* parent, MeasureUnit unit, const QString& name);
void ShowTwips(QDoubleSpinBox* box, std::int32_t twips, MeasureUnit unit);
std::int32_t TwipsOf(const QDoubleSpinBox* box, MeasureUnit unit);

class DesignerObjectPanel : public QWidget {
  Q_OBJECT
 public:
  DesignerObjectPanel(LayoutDocument& document, DesignerController& designer, MeasureUnit unit,
                      QWidget* parent = nullptr);
  // Shows the selected object as the document holds it now.
  void Reload();

 Q_SIGNALS:
  // An edit was handed to the document; `refusal` is its message when it was refused.
  void Edited(const QString& refusal);

 private:
  void Apply(const std::wstring& refusal);
  void ApplyRect();
  void ApplyText();
  void ApplyId();

  LayoutDocument& document_;
  DesignerController& designer_;
  MeasureUnit unit_;
  QLabel* title_ = nullptr;
  QComboBox* kind_ = nullptr;
  QSpinBox* id_ = nullptr;
  QDoubleSpinBox* left_ = nullptr;
  QDoubleSpinBox* top_ = nullptr;
  QDoubleSpinBox* width_ = nullptr;
  QDoubleSpinBox* height_ = nullptr;
  QLabel* textLabel_ = nullptr;
  QLineEdit* text_ = nullptr;
  QComboBox* alignment_ = nullptr;
  QSpinBox* fontSize_ = nullptr;
  QCheckBox* light_ = nullptr;
};

class DesignerLayoutPanel : public QWidget {
  Q_OBJECT
 public:
  DesignerLayoutPanel(LayoutDocument& document, MeasureUnit unit, QWidget* parent = nullptr);
  void Reload();

 Q_SIGNALS:
  void Edited(const QString& refusal);

 private:
  void Apply(const std::wstring& refusal) { Q_EMIT Edited(ToQString(refusal)); }

  LayoutDocument& document_;
  MeasureUnit unit_;
  QLineEdit* typeCode_ = nullptr;
  QLineEdit* maker_ = nullptr;
  QLineEdit* name_ = nullptr;
  QDoubleSpinBox* width_ = nullptr;
  QDoubleSpinBox* height_ = nullptr;
  QComboBox* paper_ = nullptr;
  QCheckBox* landscape_ = nullptr;
  QCheckBox* plainPaper_ = nullptr;
};

class DesignerSheetPanel : public QWidget {
  Q_OBJECT
 public:
  DesignerSheetPanel(LayoutDocument& document, DesignerController& designer, MeasureUnit unit,
                     QWidget* parent = nullptr);
  void Reload();
  // The sheet with the slots, where single slots are selected, moved and deleted.
  DesignerSheetView* Sheet() const { return sheet_; }
  // Lays the slots out as the grid boxes say (the Make Slots button).
  void MakeSlots();

 Q_SIGNALS:
  void Edited(const QString& refusal);

 private:
  LayoutDocument& document_;
  MeasureUnit unit_;
  QSpinBox* rows_ = nullptr;
  QSpinBox* columns_ = nullptr;
  QDoubleSpinBox* firstLeft_ = nullptr;
  QDoubleSpinBox* firstTop_ = nullptr;
  QDoubleSpinBox* pitchX_ = nullptr;
  QDoubleSpinBox* pitchY_ = nullptr;
  QLabel* count_ = nullptr;
  DesignerSheetView* sheet_ = nullptr;
  std::optional<std::vector<LabelSlot>> shown_;  // the slots the grid boxes were filled from
};

}  // namespace mirn
