#pragma once
// Qt's painting, fonts and printers need an application object. Programs without widgets
// (mirn-cli) make one here; without a display it runs on the offscreen platform.

namespace mirn {

// Creates the application object once, unless one exists already.
void EnsureGuiApplication();

}  // namespace mirn
