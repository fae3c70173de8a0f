#include "qt/QtApplication.h"

#include <QGuiApplication>
#include <cstdlib>

namespace mirn {

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
  if (!display && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The object lives until the process ends, as Qt expects of it.
  static int argc = 1;
  static char name[] = "mirn-cli";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

}  // namespace mirn
