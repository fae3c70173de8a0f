#include "gui/MainWindowFeatures.h"

#include "app/AppServices.h"
#include "gui/CMainFrame.h"
#include "gui/DesignerCommands.h"
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

MainWindowParts InstallMainWindowFeatures(CMainFrame& frame) {
  MainWindowParts parts;
  InstallDocumentCommands(frame);
  InstallDialogCommands(frame);
  parts.list = InstallListCommands(frame);
  ExchangeCommands& exchange = InstallExchangeCommands(frame, ApplicationNotifier(frame.Services().profile), parts.list);
  parts.exchange = &ExchangeControllerOf(exchange);
  FilterCommands& filters = InstallFilterCommands(frame, exchange);
  parts.filters = &FilterControllerOf(filters);
  parts.printAfterImport = &PrintAfterImportOf(filters);
  parts.labelPanel = InstallLabelCommands(frame, parts.list);
  InstallPictureCommands(frame, *parts.labelPanel);
  InstallFindCommands(frame);
  InstallPrintCommands(frame);
  InstallFeedbackCommands(frame);
  InstallDesignerCommands(frame);
  frame.FollowDocument();
  return parts;
}

CMainFrame* NewMainWindow(AppServices& services, MainWindowParts* parts) {
  auto* frame = new CMainFrame(services);
  const MainWindowParts installed = InstallMainWindowFeatures(*frame);
  if (parts) *parts = installed;
  return frame;
}

}  // namespace mirn
