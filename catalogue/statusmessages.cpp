// The main window's status messages: ShowErr writes a numbered message into the left panel at once and beeps
// when Sound is on; a click on the status bar shows a smile, a double click clears the panel.
#include "catalogue/mainwindow.h"

#include "catalogue/messagetable.h"
#include "catalogue/modulevalues.h"
#include "platform/kernel/messagebeep.h"
#include "platform/ui/statusbar.h"

namespace orupim::catalogue {
namespace {

constexpr int MessagePanel = 0;

} // namespace

void TMainWindow::ShowErr(Message code) {
    statusBar_->setPanelText(MessagePanel, messageText(code));
    statusBar_->repaintNow();
    if (SoundOn)
        kernel::MessageBeep(kernel::MB_ICONEXCLAMATION);
}

void TMainWindow::StatusBarClick() {
    statusBar_->setPanelText(MessagePanel, StatusBarClickText);
}

void TMainWindow::StatusBarDblClick() {
    statusBar_->setPanelText(MessagePanel, "");
}

} // namespace orupim::catalogue
