#pragma once
// The About box: the program's icon and title, the version line with the build ID, the
// legal notice, the operating system and the system type.

#include <QDialog>

#include "app/AboutInfo.h"

namespace mirn {

class CAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutBox(const AboutTexts& texts, QWidget* parent = nullptr);
};

}  // namespace mirn
