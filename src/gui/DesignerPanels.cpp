#include "gui/DesignerPanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "gui/DesignerSheetView.h"
#include "gui/MeasureSpinBox.h"
#include "gui/Widgets.h"
#include "layouts/DesignerController.h"
#include "layouts/LayoutDocument.h"
#include "print/SheetDiagram.h"
#include "qt/QtText.h"
#include "templates/SheetStock.h"

namespace mirn {
namespace {

double StepSize(MeasureUnit unit) { return unit == MeasureUnit::Millimetres ? 0.1 : 0.01; }

// A row of a form: the label with its mnemonic, the control named after it without colon.
template <class Control>
Control* AddRow(QFormLayout* form, const QString& label, Control* control) {
  NameControl(control, PlainText(label).remove(':'));
  auto* caption = new QLabel(label, control->parentWidget());
  caption->setBuddy(control);
  form->addRow(caption, control);
  return control;
}

QSpinBox* NewCountBox(QWidget* parent, int maximum) {
  auto* box = new QSpinBox(parent);
  box->setRange(1, maximum);
  box->setKeyboardTracking(false);
  return box;
}

const LayoutObjectKind kKinds[] = {LayoutObjectKind::TextField, LayoutObjectKind::Caption,
                                   LayoutObjectKind::Frame,     LayoutObjectKind::Rectangle,
                                   LayoutObjectKind::RoundedRectangle, LayoutObjectKind::Ellipse,
                                   LayoutObjectKind::DottedFrame};

}  // namespace

QDoubleSpinBox* NewLengthBox(QWidget* parent, MeasureUnit unit, const QString& name) {
  auto* box = new MeasureSpinBox(parent);
  box->setDecimals(unit == MeasureUnit::Millimetres ? 1 : 2);
  box->setSingleStep(StepSize(unit));
  // Twips are 32-bit in the file; a label or sheet is never a metre long.
  box->setRange(unit == MeasureUnit::Millimetres ? -1000.0 : -40.0, unit == MeasureUnit::Millimetres ? 1000.0 : 40.0);
  box->setSuffix(unit == MeasureUnit::Millimetres ? QObject::tr(" mm") : QObject::tr(" in"));
  box->setKeyboardTracking(false);
  NameControl(box, name);
  return box;
}

void ShowTwips(QDoubleSpinBox* box, std::int32_t twips, MeasureUnit unit) {
  const QSignalBlocker quiet(box);
  box->setValue(static_cast<double>(TwipsToSteps(twips, unit)) * StepSize(unit));
}

std::int32_t TwipsOf(const QDoubleSpinBox* box, MeasureUnit unit) {
  return StepsToTwips(std::llround(box->value() / StepSize(unit)), unit);
}

// ---- The selected object ---------------------------------------------------------------------

DesignerObjectPanel::DesignerObjectPanel(LayoutDocument& document, DesignerController& designer, MeasureUnit unit,
                                         QWidget* parent)
    : QWidget(parent), document_(document), designer_(designer), unit_(unit) {
  auto* box = new QVBoxLayout(this);
  title_ = new QLabel(this);
  box->addWidget(title_);
  auto* form = new QFormLayout;
  box->addLayout(form);
  kind_ = AddRow(form, tr("&Kind:"), new QComboBox(this));
  for (LayoutObjectKind kind : kKinds) kind_->addItem(ToQString(KindName(kind)));
  id_ = AddRow(form, tr("&ID:"), NewCountBox(this, 99999));
  left_ = AddRow(form, tr("&Left:"), NewLengthBox(this, unit, {}));
  top_ = AddRow(form, tr("&Top:"), NewLengthBox(this, unit, {}));
  width_ = AddRow(form, tr("&Width:"), NewLengthBox(this, unit, {}));
  height_ = AddRow(form, tr("&Height:"), NewLengthBox(this, unit, {}));
  text_ = new QLineEdit(this);
  textLabel_ = new QLabel(this);
  textLabel_->setBuddy(text_);
  form->addRow(textLabel_, text_);
  alignment_ = AddRow(form, tr("&Alignment:"), new QComboBox(this));
  alignment_->addItems({tr("Left"), tr("Center"), tr("Right")});
  fontSize_ = AddRow(form, tr("Font &size:"), NewCountBox(this, 72));
  fontSize_->setMinimum(4);
  fontSize_->setSuffix(tr(" pt"));
  light_ = new QCheckBox(tr("Li&ght (printed pale)"), this);
  NameControl(light_, light_->text());
  form->addRow(light_);
  box->addStretch();

  connect(kind_, &QComboBox::activated, this, [this](int index) {
    if (designer_.Selection().size() != 1) return;
    document_.SetObjectKind(designer_.Selection().front(), kKinds[index]);
    Apply({});
  });
  connect(id_, &QSpinBox::valueChanged, this, [this] { ApplyId(); });
  for (QDoubleSpinBox* length : {left_, top_, width_, height_})
    connect(length, &QDoubleSpinBox::valueChanged, this, [this] { ApplyRect(); });
  connect(text_, &QLineEdit::editingFinished, this, [this] { ApplyText(); });
  connect(alignment_, &QComboBox::activated, this, [this] { ApplyText(); });
  connect(fontSize_, &QSpinBox::valueChanged, this, [this] { ApplyText(); });
  connect(light_, &QCheckBox::toggled, this, [this](bool on) {
    if (designer_.Selection().size() != 1) return;
    document_.SetFlag(designer_.Selection().front(), DDF_LIGHT, on);
    Apply({});
  });
  Reload();
}

void DesignerObjectPanel::Apply(const std::wstring& refusal) {
  Q_EMIT Edited(ToQString(refusal));
}

void DesignerObjectPanel::ApplyRect() {
  if (designer_.Selection().size() != 1) return;
  const std::int32_t left = TwipsOf(left_, unit_);
  const std::int32_t top = TwipsOf(top_, unit_);
  document_.SetObjectRect(designer_.Selection().front(), left, top, left + std::max(TwipsOf(width_, unit_), 1),
                          top + std::max(TwipsOf(height_, unit_), 1));
  Apply({});
}

void DesignerObjectPanel::ApplyText() {
  if (designer_.Selection().size() != 1) return;
  const std::uint32_t id = designer_.Selection().front();
  const CDDFObject* object = document_.FindObject(id);
  if (!object) return;
  const std::wstring text = FromQString(text_->text());
  if (!object->IsTextField()) {
    Apply(document_.SetCaption(id, text));
    return;
  }
  const Alignment alignments[] = {Alignment::Left, Alignment::Center, Alignment::Right};
  const Alignment alignment = alignments[std::max(alignment_->currentIndex(), 0)];
  Apply(document_.SetFieldDefault(id, WithTextAndStyle(ReadFieldDefault(*object), text, alignment, fontSize_->value() * 2)));
}

void DesignerObjectPanel::ApplyId() {
  if (designer_.Selection().size() != 1) return;
  const CDDFObject* object = document_.FindObject(designer_.Selection().front());
  if (!object || object->id == static_cast<std::uint32_t>(id_->value())) return;
  CDDFObject renamed = *object;
  renamed.id = static_cast<std::uint32_t>(id_->value());
  const std::wstring refusal = document_.ReplaceObject(object->id, renamed);
  if (refusal.empty()) designer_.Select({renamed.id});
  Apply(refusal);
}

void DesignerObjectPanel::Reload() {
  const std::vector<std::uint32_t>& selection = designer_.Selection();
  const CDDFObject* object = selection.size() == 1 ? document_.FindObject(selection.front()) : nullptr;
  if (selection.empty()) {
    SetLiveText(title_, tr("No object selected. Click an object on the label, or add one."));
  } else if (!object) {
    SetLiveText(title_, tr("%n objects selected.", nullptr, static_cast<int>(selection.size())));
  } else {
    SetLiveText(title_, ToQString(ObjectName(*object)));
  }
  title_->setWordWrap(true);
  for (QWidget* w : std::initializer_list<QWidget*>{kind_, id_, left_, top_, width_, height_, text_, alignment_,
                                                    fontSize_, light_})
    w->setEnabled(object != nullptr);
  const bool field = object && object->IsTextField();
  const bool caption = object && KindOf(*object) == LayoutObjectKind::Caption;
  const QString textName = field ? tr("Default &text:") : tr("&Text:");
  textLabel_->setText(textName);
  NameControl(text_, PlainText(textName).remove(':'));
  text_->setEnabled(field || caption);
  alignment_->setEnabled(field);
  fontSize_->setEnabled(field);
  if (!object) return;

  const QSignalBlocker b1(kind_), b2(id_), b3(text_), b4(alignment_), b5(fontSize_), b6(light_);
  kind_->setCurrentIndex(static_cast<int>(KindOf(*object)));
  id_->setValue(static_cast<int>(object->id));
  ShowTwips(left_, object->left, unit_);
  ShowTwips(top_, object->top, unit_);
  ShowTwips(width_, object->right - object->left, unit_);
  ShowTwips(height_, object->bottom - object->top, unit_);
  light_->setChecked(object->Has(DDF_LIGHT));
  if (field) {
    const FieldDefault value = ReadFieldDefault(*object);
    text_->setText(ToQString(value.text));
    const TextFormat format = value.format.value_or(DefaultStyleFormat());
    const int align = format.alignment == Alignment::Center ? 1 : format.alignment == Alignment::Right ? 2 : 0;
    alignment_->setCurrentIndex(value.format ? align : 0);
    fontSize_->setValue(format.size / 2);
  } else {
    text_->setText(caption ? ToQString(object->GetCaption()) : QString());
  }
}

// ---- The header ------------------------------------------------------------------------------

DesignerLayoutPanel::DesignerLayoutPanel(LayoutDocument& document, MeasureUnit unit, QWidget* parent)
    : QWidget(parent), document_(document), unit_(unit) {
  auto* box = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  box->addLayout(form);
  typeCode_ = AddRow(form, tr("T&ype code:"), new QLineEdit(this));
  typeCode_->setMaxLength(8);
  maker_ = AddRow(form, tr("&Maker:"), new QLineEdit(this));
  name_ = AddRow(form, tr("&Name:"), new QLineEdit(this));
  width_ = AddRow(form, tr("Label &width:"), NewLengthBox(this, unit, {}));
  height_ = AddRow(form, tr("Label &height:"), NewLengthBox(this, unit, {}));
  paper_ = AddRow(form, tr("S&heet:"), new QComboBox(this));
  paper_->addItems({tr("Letter (8.5 x 11 in)"), tr("A4 (210 x 297 mm)")});
  landscape_ = new QCheckBox(tr("&Landscape"), this);
  NameControl(landscape_, landscape_->text());
  form->addRow(landscape_);
  plainPaper_ = new QCheckBox(tr("&Plain paper, cut by hand"), this);
  NameControl(plainPaper_, plainPaper_->text());
  form->addRow(plainPaper_);
  box->addStretch();

  connect(typeCode_, &QLineEdit::editingFinished, this, [this] { Apply(document_.SetTypeCode(FromQString(typeCode_->text()))); });
  connect(maker_, &QLineEdit::editingFinished, this, [this] { Apply(document_.SetGroupName(FromQString(maker_->text()))); });
  connect(name_, &QLineEdit::editingFinished, this, [this] { Apply(document_.SetDescription(FromQString(name_->text()))); });
  for (QDoubleSpinBox* size : {width_, height_}) {
    connect(size, &QDoubleSpinBox::valueChanged, this,
            [this] { Apply(document_.SetLabelSize(TwipsOf(width_, unit_), TwipsOf(height_, unit_))); });
  }
  auto stock = [this] {
    document_.SetStock({paper_->currentIndex() == 1 ? SheetPaper::A4 : SheetPaper::Letter, plainPaper_->isChecked()});
    Apply({});
  };
  connect(paper_, &QComboBox::activated, this, stock);
  connect(plainPaper_, &QCheckBox::toggled, this, stock);
  connect(landscape_, &QCheckBox::toggled, this, [this](bool on) {
    document_.SetLandscape(on);
    Apply({});
  });
  Reload();
}

void DesignerLayoutPanel::Reload() {
  const CDDFTemplate& t = document_.Layout();
  const QSignalBlocker b1(typeCode_), b2(maker_), b3(name_), b4(paper_), b5(landscape_), b6(plainPaper_);
  typeCode_->setText(ToQString(t.GetTypeCode()));
  maker_->setText(ToQString(t.GetGroupName()));
  name_->setText(ToQString(t.GetDescription()));
  ShowTwips(width_, t.GetLabelWidth(), unit_);
  ShowTwips(height_, t.GetLabelHeight(), unit_);
  const SheetStock stock = document_.Stock();
  paper_->setCurrentIndex(stock.paper == SheetPaper::A4 ? 1 : 0);
  landscape_->setChecked(t.IsLandscape());
  plainPaper_->setChecked(stock.plainPaper);
}

// ---- The slots -------------------------------------------------------------------------------

DesignerSheetPanel::DesignerSheetPanel(LayoutDocument& document, DesignerController& designer, MeasureUnit unit,
                                       QWidget* parent)
    : QWidget(parent), document_(document), unit_(unit) {
  auto* box = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  box->addLayout(form);
  rows_ = AddRow(form, tr("&Rows:"), NewCountBox(this, 200));
  columns_ = AddRow(form, tr("&Columns:"), NewCountBox(this, 50));
  firstLeft_ = AddRow(form, tr("First label &left:"), NewLengthBox(this, unit, {}));
  firstTop_ = AddRow(form, tr("First label &top:"), NewLengthBox(this, unit, {}));
  pitchX_ = AddRow(form, tr("&Across, label to label:"), NewLengthBox(this, unit, {}));
  pitchY_ = AddRow(form, tr("&Down, label to label:"), NewLengthBox(this, unit, {}));
  auto* make = new QPushButton(tr("&Make Slots"), this);
  NameControl(make, make->text());
  box->addWidget(make);
  count_ = new QLabel(this);
  box->addWidget(count_);
  sheet_ = new DesignerSheetView(document_, designer, this);
  sheet_->setMinimumSize(120, 160);
  box->addWidget(sheet_, 1);
  connect(sheet_, &DesignerSheetView::Edited, this, [this] { Q_EMIT Edited({}); });
  connect(make, &QPushButton::clicked, this, [this] { MakeSlots(); });
  Reload();
}

void DesignerSheetPanel::MakeSlots() {
  SlotGrid grid;
  grid.rows = rows_->value();
  grid.columns = columns_->value();
  grid.first = {TwipsOf(firstLeft_, unit_), TwipsOf(firstTop_, unit_)};
  grid.pitchX = TwipsOf(pitchX_, unit_);
  grid.pitchY = TwipsOf(pitchY_, unit_);
  document_.GenerateSlots(grid);
  Q_EMIT Edited({});
}

void DesignerSheetPanel::Reload() {
  const CDDFTemplate& t = document_.Layout();
  // The grid boxes keep what is typed into them until the slots themselves change.
  if (!shown_ || *shown_ != t.GetSlots()) {
    const SlotGrid grid = GridOf(t.GetSlots(), t.GetLabelWidth(), t.GetLabelHeight());
    const QSignalBlocker b1(rows_), b2(columns_);
    rows_->setValue(grid.rows);
    columns_->setValue(grid.columns);
    ShowTwips(firstLeft_, grid.first.x, unit_);
    ShowTwips(firstTop_, grid.first.y, unit_);
    ShowTwips(pitchX_, grid.pitchX, unit_);
    ShowTwips(pitchY_, grid.pitchY, unit_);
    shown_ = t.GetSlots();
  }
  const QString paper = ToQString(PaperName(document_.Stock().paper));
  SetLiveText(count_, (t.IsLandscape() ? tr("Labels on the %1 sheet (landscape): %2") : tr("Labels on the %1 sheet: %2"))
                          .arg(paper)
                          .arg(t.GetSlots().size()));
  sheet_->Reload();
}

}  // namespace mirn
