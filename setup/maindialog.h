// The installation wizard TMainDialog: the opening notices, the name page, the destination page, the
// installation run, the closing notices and the final page, a state machine on WizardState driven by Next.
// Previous returns to the notices step; Cancel leads to the final page with the interruption texts.
#pragma once

#include "platform/dde/conversation.h"
#include "platform/ui/form.h"
#include "setup/programitems.h"

#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;

namespace orupim::ui {
class DirectoryListBox;
class DriveComboBox;
class SpeedButton;
} // namespace orupim::ui

namespace orupim::setup {

// The wizard's steps, the values of WizardState.
enum WizardStep {
    StepStartNotices = 200,
    StepToNames = 300,
    StepNames = 400,
    StepDestination = 600,
    StepEndNotices = 800,
    StepToFinal = 900,
    StepFinal = 1000,
};

class TMainDialog : public ui::Form {
    Q_OBJECT
public:
    TMainDialog();
    ~TMainDialog() override;

    void FormCreate();
    void FormClose();
    void NextButClick();
    void PrevButClick();
    void CancelButClick();
    void ShowPlugs();
    void GetNames();
    void GetDestination();
    void GoodBye();
    void DirectoryListBoxChange();
    void CopyFiles();
    void UpdateRegistry();
    void RecordInstalledParts();

    QLabel* SetupIco;
    QLabel* InfoLabel;
    ui::SpeedButton* PrevBut;
    ui::SpeedButton* NextBut;
    ui::SpeedButton* CancelBut;
    QWidget* Panel4;
    QWidget* Panel5;
    QWidget* Panel2;
    QWidget* Panel1;
    QPlainTextEdit* InfoMemo;
    QLineEdit* EditName;
    QLineEdit* EditOrg;
    QLineEdit* EditPath;
    ui::DriveComboBox* DriveComboBox;
    ui::DirectoryListBox* DirectoryListBox;
    QLabel* SourceLabel;
    QLabel* DestinationLabel;
    QProgressBar* ProgressBar;
    // The conversation with Program Manager: opened by the installation run and closed at its end; a run
    // that an error ends leaves it open for the next run.
    dde::Conversation DdeClientConv{"PROGMAN", "PROGMAN"};
    // What the last installation run's Program Manager step could not create; the final page reports it.
    ProgramItemsShortfall NotCreated;
    // The outermost directory that the installation run created for the destination (empty when it existed),
    // so that the uninstaller takes away no directory the user had.
    std::string CreatedDirectory;

    std::string infoText() const;
    void setInfoText(const std::string& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void loadNotice(const std::string& fileName);
    bool destinationAccepted();
    void copyOneFile(const std::string& source, const std::string& destination, const std::string& flag,
                     int step);
    bool sendCommand(const std::string& command);
    bool sendUntilTaken(const std::string& command);
    void createProgramItems(const std::string& windows);
    void showClosingTexts(const char* const (&lines)[3]);
};

// The wizard, once Runit has created it.
extern TMainDialog* MainDialog;

} // namespace orupim::setup
