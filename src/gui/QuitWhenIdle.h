#pragma once
// Ends the program once its windows are on the screen and nothing is left to do: how the
// start-up is timed as a whole process (the environment variable MIRN_QUIT_WHEN_IDLE). The
// benchmark's bare reference window ends the same way, so both are timed to the same point.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace mirn {

inline void QuitWhenIdle() {
  auto* timer = new QTimer(qApp);
  // A zero timer fires only when no event is waiting.
  QObject::connect(timer, &QTimer::timeout, qApp, [timer] {
    bool shown = false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible()) continue;
      if (!window->windowHandle() || !window->windowHandle()->isExposed()) return;
      shown = true;
    }
    if (!shown) return;
    timer->stop();
    QCoreApplication::quit();
  });
  timer->start(0);
}

}  // namespace mirn
