#pragma once
// What the empty label area offers while no database is open: open the sample database, create
// a database, or read Getting Started. It lies over the label panel and goes away as soon as a
// database is open.

#include <QWidget>
#include <filesystem>

#include "app/DocumentController.h"

namespace mirn {

class CMainFrame;

class StartPage final : public QWidget, public DocumentListener {
  Q_OBJECT

 public:
  // Over `area` (the label panel), with the frame's commands behind its buttons; the sample's
  // button only when `sample` exists.
  StartPage(CMainFrame& frame, QWidget& area, std::filesystem::path sample);
  ~StartPage() override;
  // Shown while the document holds no database.
  void Update();

  void DocumentOpened(const std::vector<std::wstring>&) override { Update(); }
  void DocumentNameChanged(const std::wstring&) override { Update(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CMainFrame& frame_;
  QWidget& area_;
};

}  // namespace mirn
