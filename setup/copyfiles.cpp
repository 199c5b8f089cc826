// The installation run, TMainDialog::CopyFiles: the destination directory, the system and program files with
// their replace flags, the package-file copy, and the progress shown on the copy page. It undoes nothing; an
// error ends it with the closing steps still done and the wizard left at its destination step.
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
    SourceLabel->setText(QString::fromStdString(toLowerAscii(from.str())));
    SourceLabel->repaint();
    DestinationLabel->setText(QString::fromStdString(toLowerAscii(to.str())));
    DestinationLabel->repaint();
    files::copyFile(from.str(), to.str(), flag != "0");
    ProgressBar->setValue(ProgressBar->value() + step);
    kernel::Sleep(500);
}

// Sends one Program Manager command: the text with CR LF, cut as a counted string, as an execute transaction
// that does not wait for the command to be carried out. Answers whether Program Manager took it.
bool TMainDialog::sendCommand(const std::string& command) {
    return DdeClientConv.execute(CountedString(command + "\r\n").str());
}

// The group, one item per [Items] entry and the uninstaller's item. An item goes on only once Program Manager
// has taken the one before; the repeats are bounded, so a Program Manager that never takes an item cannot
// hold the installation for ever, and a conversation that broke is opened again before the next try.
void TMainDialog::createProgramItems(const std::string& windows) {
    constexpr int MaxSendsPerItem = 10;
    DdeClientConv.open();
    sendCommand(formatText("[CreateGroup(%s)]", {GroupName.str()}));
    for (int k = 0; k < ItemsNames.count(); ++k) {
        const std::string item =
            formatText("[AddItem(%s\\%s,%s)]", {DestPath.str(), ItemsNames.at(k), ItemsValues.at(k)});
        for (int sends = 1; !sendCommand(item) && sends < MaxSendsPerItem; ++sends)
            if (!DdeClientConv.isOpen())
                DdeClientConv.open();
    }
    const std::string app = AppName.str();
    sendCommand(formatText("[AddItem(%s\\%s,%s)]",
                           {windows, "OruUninst.exe " + app + " " + DestPath.str(), "Uninstall " + app}));
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
        if (ProgressBar->value() < 100)
            ProgressBar->setValue(100);
        setInfoText(product + " was installed successfuly. Please select next to continue.");
        DdeClientConv.close();
    }
    WizardState = StepEndNotices;
    PrevBut->setEnabled(false);
}

} // namespace orupim::setup
