// The main window's commands that reach outside the record view: Notepad on the lookup-list file and on the
// notices file, the help file at its contents and index, and the web browser on the three pages of the
// maker's web site. None looks at the record's state, and none waits for or hears back from what it starts.
#include "catalogue/mainwindow.h"

#include "platform/files/filesystem.h"
#include "platform/shell/shellexecute.h"
#include "platform/shell/winhelp.h"
#include "platform/ui/application.h"

#include <string_view>

namespace orupim::catalogue {
namespace {

constexpr std::string_view Editor = "notepad.exe";
constexpr std::string_view NoticesFile = "instruct.txt";
// The maker's web site. The host stands in for the maker's own, under the domain reserved for examples, until
// the maker names its site; every page address is this address followed by the page's path.
constexpr std::string_view WebSite = "http://www.example.com/";
constexpr std::string_view NewsletterPage = "newsletter.html";
constexpr std::string_view FaqPage = "faqs/pim.txt";

// Notepad on a file of the program directory: the file is named alone and the program directory is the
// working directory, so the process's current directory (which other programs may change) plays no part.
void openInEditor(std::string_view fileName) {
    shell::shellExecute("open", Editor, fileName, files::programDirectory(), shell::SW_SHOWNORMAL);
}

} // namespace

void TMainWindow::EditLists1Click() {
    openInEditor(edition_.listFile);
}

void TMainWindow::ReadNotices1Click() {
    openInEditor(NoticesFile);
}

void TMainWindow::HelpTopics1Click() {
    if (ui::Application* application = ui::Application::current())
        application->helpCommand(shell::HELP_FINDER, 0);
}

void TMainWindow::openWebPage(std::string_view page) {
    if (!browserConfigured_) {
        ShowErr(Message::NoBrowserConfigured);
        return;
    }
    const std::string address = std::string(WebSite) + std::string(page);
    shell::shellExecute("open", browserCommand_, address, "", shell::SW_SHOWNORMAL);
}

void TMainWindow::HomePage1Click() {
    openWebPage("");
}

void TMainWindow::Newsletter1Click() {
    openWebPage(NewsletterPage);
}

void TMainWindow::FAQ1Click() {
    openWebPage(FaqPage);
}

} // namespace orupim::catalogue
