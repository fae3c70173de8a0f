#pragma once
// What the empty label area offers while no database is open, or the open one has no extensions
// yet: open the sample database, add extensions or create a database, open one, or read Getting
// Started. It lies over the label panel and goes once a database with extensions is open.

#include <QWidget>
#include <filesystem>
#include <vector>

#include "app/DocumentController.h"

class QLabel;
class QPushButton;

namespace mirn {

class CommandRegistry;
class DocumentController;

class StartPage final : public QWidget, public DocumentListener {
  Q_OBJECT

 public:
  // Over `area` (the label panel), with the frame's commands behind its buttons; the sample's
  // button only when `sample` exists.
  StartPage(CommandRegistry& frame, QWidget& area, std::filesystem::path sample);
  ~StartPage() override;
  // Shown while the document holds no database or one without extensions; the frame calls it
  // again when extensions were added.
  void Update();

  void DocumentLoading(MRBBase&) override;
  void DocumentOpened(const std::vector<std::wstring>&) override;
  void DocumentNameChanged(const std::wstring&) override { Update(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DocumentController& document_;
  QWidget& area_;
  QLabel* heading_ = nullptr;
  QPushButton* addExtensions_ = nullptr;
  QPushButton* newDatabase_ = nullptr;
  std::vector<QPushButton*> buttons_;
  bool loading_ = false;  // a big file's first rows show while it opens
};

}  // namespace mirn
