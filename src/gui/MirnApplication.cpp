#include "gui/MirnApplication.h"

#include "app/DocumentController.h"
#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "gui/CMainFrame.h"
#include "gui/QtUserInterface.h"
#include "platform/Clock.h"
#include "platform/IniProfile.h"
#include "platform/KnownFolders.h"
#include "templates/DDFLibrary.h"
#include "qt/QtText.h"
#include "util/Text.h"

namespace mirn {

MirnApplication::MirnApplication() {
  auto folders = std::make_unique<XdgKnownFolders>();
  profile_ = std::make_unique<IniProfile>(IniProfile::DefaultPath(*folders));
  folders_ = std::move(folders);
  Build();
}

MirnApplication::MirnApplication(std::unique_ptr<Profile> profile, std::unique_ptr<KnownFolders> folders)
    : profile_(std::move(profile)), folders_(std::move(folders)) {
  Build();
}

MirnApplication::~MirnApplication() { delete frame_.data(); }

void MirnApplication::Build() {
  clock_ = std::make_unique<SystemClock>();
  library_ = std::make_unique<DDFLibrary>(*folders_);
  ui_ = std::make_unique<QtUserInterface>();
  recentFiles_ = std::make_unique<RecentFiles>();
  recentFiles_->Load(*profile_);
  zoom_ = std::make_unique<ZoomModel>();
  DatabaseOptions options;
  options.clock = clock_.get();
  options.tempFolder = folders_->Get(KnownFolder::Temp);
  document_ = std::make_unique<DocumentController>(*ui_, *profile_, *recentFiles_, *zoom_, options);
  services_ = std::make_unique<AppServices>(AppServices{*profile_, *folders_, *library_, *ui_,
                                                        *document_, *recentFiles_, *zoom_, *clock_});
}

bool MirnApplication::Start(const std::wstring& commandLine) {
  frame_ = new CMainFrame(*services_);
  frame_->setAttribute(Qt::WA_DeleteOnClose);
  ui_->SetMainWindow(frame_);
  ui_->SetStatusHandler([f = frame_](const QString& text) {
    if (f) f->SetStatusText(FromQString(text));
  });
  frame_->show();
  library_->ScanAll();
  if (commandLine.empty()) {
    document_->New();
  } else {
    document_->Open(commandLine);
  }
  frame_->UpdateCommandStates();
  return true;
}

}  // namespace mirn
