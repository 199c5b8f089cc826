// The installation run, TMainDialog::CopyFiles: the destination directory, the system and program files with
// their replace flags, the package-file copy, the Program Manager step (programitems.cpp), the registry step,
// and the progress shown on the copy page. It undoes nothing; an error ends it with the closing steps still
// done and the wizard left at its destination step.
#include "setup/maindialog.h"

#include "platform/core/countedstring.h"
#include "platform/core/text.h"
#include "platform/files/filesystem.h"
#include "platform/kernel/sleep.h"
#include "platform/ui/label.h"
#include "platform/ui/screencursor.h"
#include "platform/ui/speedbutton.h"
#include "setup/modulevalues.h"

#include <QLabel>
#include <QProgressBar>

namespace orupim::setup {
namespace {

// Creates a directory path and its missing parents. A path that reaches a bare name without any "\" (empty,
// or relative without a drive) has no parent to create and is passed over, as an uncreatable directory is.
void createDirectoryPath(std::string path) {
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    if (path.size() < 3 || files::directoryExists(path))
        return;
    const std::size_t last = path.rfind('\\');
    if (last == std::string::npos)
        return;
    createDirectoryPath(path.substr(0, last + 1));
    files::createDirectory(path);
}

// The outermost directory of a path that does not exist yet (the one the run creates first), or empty when
// the whole path exists.
std::string firstMissingDirectory(std::string path) {
    std::string missing;
    while (path.size() > 3 && !files::directoryExists(path)) {
        if (path.back() == '\\') {
            path.pop_back();
            continue;
        }
        missing = path;
        const std::size_t last = path.rfind('\\');
        if (last == std::string::npos)
            break;
        path.erase(last);
    }
    return missing;
}

// Restores the cursor, pauses and brings the wizard forward, whether or not the run ended by an error.
class ClosingSteps {
public:
    ~ClosingSteps() {
        kernel::Sleep(1000);
        if (MainDialog)
            MainDialog->activateWindow();
        ui::setScreenCursor(ui::ScreenCursor::Default);
    }
};

} // namespace

void TMainDialog::copyOneFile(const std::string& source, const std::string& destination,
                              const std::string& flag, int step) {
    const CountedString from(source);
    const CountedString to(destination);
    SourceLabel->setCaption(toLowerAscii(from.str()));
    SourceLabel->repaint();
    DestinationLabel->setCaption(toLowerAscii(to.str()));
    DestinationLabel->repaint();
    files::copyFile(from.str(), to.str(), flag != "0");
    ProgressBar->setValue(ProgressBar->value() + step);
    kernel::Sleep(500);
}

void TMainDialog::CopyFiles() {
    const std::string product = AppName.str() + " " + AppVersion.str();
    Panel4->hide();
    setInfoText("OruInstall is now copying the " + product + " files to the selected destination.");
    InfoLabel->repaint();
    Panel5->show();
    Panel5->repaint();
    const int step = 100 / (FilesInNames.count() + SysFilesInNames.count() + 2);

    ui::setScreenCursor(ui::ScreenCursor::HourGlass);
    ClosingSteps closing;
    NotCreated = {};
    CreatedDirectory = firstMissingDirectory(DestPath.str());
    if (!files::directoryExists(DestPath.str()))
        createDirectoryPath(DestPath.str());
    if (!ExpandFlag) {
        const std::string windows = files::windowsDirectory();
        for (int k = 0; k < SysFilesInNames.count(); ++k)
            copyOneFile((SetupDir + SysFilesInNames.at(k)).str(), windows + "\\" + SysFilesOutNames.at(k),
                        SysFilesOutValues.at(k), step);
        for (int k = 0; k < FilesInNames.count(); ++k)
            copyOneFile((SetupDir + FilesInNames.at(k)).str(), DestPath.str() + "\\" + FilesOutNames.at(k),
                        FilesOutValues.at(k), step);
        files::copyFile("OruInst.up_", "OruInst.upi", true);
        ProgressBar->setValue(ProgressBar->value() + step);
        createProgramItems(windows);
        UpdateRegistry();
        RecordInstalledParts();
        if (ProgressBar->value() < 100)
            ProgressBar->setValue(100);
        setInfoText(NotCreated.empty()
                        ? product + " was installed successfuly. Please select next to continue."
                        : product + " was installed, but some menu items are missing. Please select next to "
                                    "continue.");
        DdeClientConv.close();
    }
    WizardState = StepEndNotices;
    PrevBut->setEnabled(false);
}

} // namespace orupim::setup
