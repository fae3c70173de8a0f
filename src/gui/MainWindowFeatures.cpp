#include "gui/MainWindowFeatures.h"

#include "app/AppServices.h"
#include "gui/CMainFrame.h"
#include "gui/DesktopNotifications.h"
#include "gui/DialogCommands.h"
#include "gui/DocumentCommands.h"
#include "gui/ExchangeCommands.h"
#include "gui/FeedbackCommands.h"
#include "gui/FilterCommands.h"
#include "gui/FindCommands.h"
#include "gui/LabelCommands.h"
#include "gui/ListCommands.h"
#include "gui/PictureCommands.h"
#include "gui/PrintCommands.h"

namespace mirn {

void InstallMainWindowFeatures(CMainFrame& frame) {
  InstallDocumentCommands(frame);
  InstallDialogCommands(frame);
  ListPanel* list = InstallListCommands(frame);
  InstallExchangeCommands(frame, ApplicationNotifier(frame.Services().profile), list);
  InstallFilterCommands(frame);
  CMirnPanel* panel = InstallLabelCommands(frame, list);
  InstallPictureCommands(frame, *panel);
  InstallFindCommands(frame);
  InstallPrintCommands(frame);
  InstallFeedbackCommands(frame);
  frame.FollowDocument();
}

CMainFrame* NewMainWindow(AppServices& services) {
  auto* frame = new CMainFrame(services);
  InstallMainWindowFeatures(*frame);
  return frame;
}

}  // namespace mirn
