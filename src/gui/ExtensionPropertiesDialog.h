#pragma once
// Extension Properties: the ID and name of one extension (editable), its type code, product
// family and model, and when it was last changed.

#include <QDialog>

#include "extensions/ExtensionProperties.h"

class QLineEdit;

namespace mirn {

class MRBBase;
class UserInterface;

class ExtensionPropertiesDialog final : public QDialog {
  Q_OBJECT

 public:
  ExtensionPropertiesDialog(MRBBase& db, UserInterface& ui, const ExtensionProperties& props,
                            QWidget* parent = nullptr);

  // After OK: the new ID and name.
  const ExtensionProperties& Properties() const { return props_; }
  QLineEdit* IdField() const { return id_; }
  QLineEdit* NameField() const { return name_; }

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MRBBase& db_;
  UserInterface& ui_;
  ExtensionProperties props_;
  QLineEdit* id_ = nullptr;
  QLineEdit* name_ = nullptr;
};

}  // namespace mirn
