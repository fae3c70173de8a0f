#pragma once
// The user guide ships as HTML in the program folder, in English and in the languages it is
// translated to; Getting Started and the message box's Help button open it in the desktop's
// default browser.

#include <filesystem>

class QWidget;

namespace mirn {

// The guide in the program folder, in the user's language where it is installed (UserGuideFile).
std::filesystem::path UserGuidePath();

// Opens the guide with the desktop's handler for HTML files. When the file is missing or
// no handler takes it, says so in a message box over `parent` and returns false.
bool OpenUserGuide(QWidget* parent = nullptr);

}  // namespace mirn
