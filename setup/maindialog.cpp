#include "setup/maindialog.h"

#include "platform/core/countedstring.h"
#include "platform/core/errors.h"
#include "platform/files/drivepath.h"
#include "platform/registry/registry.h"
#include "platform/ui/application.h"
#include "platform/ui/bevel.h"
#include "platform/ui/directorylistbox.h"
#include "platform/ui/drivecombobox.h"
#include "platform/ui/label.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/speedbutton.h"
#include "setup/modulevalues.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace orupim::setup {

TMainDialog* MainDialog = nullptr;

namespace {

const char* const NoticesText = "Please read the following notices carefully, they contain important "
                                "commercial and technical information.";

// The installer's own notice, one paragraph a line.
const char* const InstallerNotice[3] = {
    "OruInstall, for Windows 95 and NT, is published by Brenmoor as a free installation and uninstallation "
    "software package.",
    "A copy that you can customise to distribute your own software can be downloaded from the Brenmoor web "
    "site "
    "at http://www.example.com/oruinst.",
    "If you have no web access, write to oruinst@example.com for instructions on getting a copy by FTP "
    "and/or by "
    "post.",
};

const char* const CancelTexts[3] = {
    "You have selected to interrupt the installation. If this was not your intention, simply reinstall the "
    "product again.",
    "If this was your intention click on finish to terminate the installation, and run the uninstallation "
    "program supplied with your software, to ensure that your system is set to its original state.",
    "Additionaly if you reinstall the software to a different directory, it's recommended that you uninstall "
    "any "
    "previous versions to avoid cluttering you hard disk.",
};

std::string product() {
    return AppName.str() + " " + AppVersion.str();
}

// The setup program's icon, a picture of setup/pictures.
QPixmap setupIcon() {
    return QIcon(QStringLiteral(":/setup/pictures/setup.png")).pixmap(32, 32);
}

QWidget* page(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(78, 80, 333, 200);
    panel->hide();
    return panel;
}

QLineEdit* edit(QWidget* parent, const char* name, QRect place) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(place);
    return field;
}

ui::Label* label(QWidget* parent, const char* name, const char* caption, QPoint place, QWidget* control) {
    auto* text = new ui::Label(caption, parent);
    text->setObjectName(name);
    text->move(place);
    text->adjustSize();
    if (control)
        text->setFocusControl(control);
    return text;
}

ui::SpeedButton* button(QWidget* parent, const char* name, const char* caption, int x) {
    auto* speed = new ui::SpeedButton(parent);
    speed->setObjectName(name);
    speed->setCaption(caption);
    speed->setGeometry(x, 306, 100, 25);
    return speed;
}

} // namespace

TMainDialog::TMainDialog() {
    setObjectName("MainDialog");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    setFont(font);
    setClientSize(432, 347);
    QWidget* area = client();

    SetupIco = new QLabel(area);
    SetupIco->setObjectName("SetupIco");
    SetupIco->setPixmap(setupIcon());
    SetupIco->setGeometry(20, 10, 32, 32);
    InfoLabel = new QLabel(area);
    InfoLabel->setObjectName("InfoLabel");
    InfoLabel->setGeometry(80, 28, 330, 31);
    InfoLabel->setWordWrap(true);
    InfoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::addLineBevel(area, "Bevel2", 78, 69, 333);
    ui::addLineBevel(area, "Bevel1", 78, 283, 333);

    PrevBut = button(area, "PrevBut", "&Previous", 80);
    PrevBut->setEnabled(false);
    NextBut = button(area, "NextBut", "&Next", 196);
    CancelBut = button(area, "CancelBut", "&Cancel", 309);

    // Made in stacking order: each page covers those made before it.
    Panel4 = page(area, "Panel4");
    EditPath = edit(Panel4, "EditPath", {0, 18, 309, 21});
    DriveComboBox = new ui::DriveComboBox(Panel4);
    DriveComboBox->setObjectName("DriveComboBox");
    DriveComboBox->setGeometry(0, 64, 145, 21);
    DirectoryListBox = new ui::DirectoryListBox(Panel4);
    DirectoryListBox->setObjectName("DirectoryListBox");
    DirectoryListBox->setGeometry(164, 64, 145, 84);
    DriveComboBox->setDirList(DirectoryListBox);
    label(Panel4, "LabelPath", "Path:", {0, 0}, EditPath);
    label(Panel4, "Label4", "Drive:", {0, 46}, DriveComboBox);
    label(Panel4, "Label3", "Directory:", {164, 46}, DirectoryListBox);
    setTabOrder(EditPath, DriveComboBox);
    setTabOrder(DriveComboBox, DirectoryListBox);

    Panel5 = page(area, "Panel5");
    label(Panel5, "FromLabel", "from:", {0, 20}, nullptr);
    SourceLabel = label(Panel5, "SourceLabel", "", {40, 20}, nullptr);
    label(Panel5, "ToLabel", "to:", {0, 50}, nullptr);
    DestinationLabel = label(Panel5, "DestinationLabel", "", {40, 50}, nullptr);
    // A path longer than the page is wide shows its drive and file name, the middle left out.
    SourceLabel->setElidedInMiddle(true);
    DestinationLabel->setElidedInMiddle(true);
    ProgressBar = new QProgressBar(Panel5);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setGeometry(0, 90, 330, 20);

    Panel2 = page(area, "Panel2");
    EditName = edit(Panel2, "EditName", {0, 18, 309, 21});
    EditOrg = edit(Panel2, "EditOrg", {0, 64, 309, 21});
    label(Panel2, "LabelName", "&Name:", {0, 0}, EditName);
    label(Panel2, "LabelOrganisation", "&Organisation", {0, 46}, EditOrg);
    setTabOrder(EditName, EditOrg);

    Panel1 = page(area, "Panel1");
    InfoMemo = new QPlainTextEdit(Panel1);
    InfoMemo->setObjectName("InfoMemo");
    InfoMemo->setGeometry(0, 0, 330, 195);
    InfoMemo->setReadOnly(true);
    InfoMemo->setFocusPolicy(Qt::NoFocus);
    InfoMemo->setFrameShape(QFrame::NoFrame);
    InfoMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    InfoMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    InfoMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    InfoMemo->viewport()->setCursor(Qt::ArrowCursor);
    QPalette silver = InfoMemo->palette();
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    InfoMemo->setPalette(silver);
    InfoMemo->setPlainText(QString::fromLatin1(InstallerNotice[0]) + "\n\n" + InstallerNotice[1] + "\n\n" +
                           InstallerNotice[2]);
    Panel1->show();

    ui::connectGuarded(PrevBut, &QToolButton::clicked, this, [this] { PrevButClick(); });
    ui::connectGuarded(NextBut, &QToolButton::clicked, this, [this] { NextButClick(); });
    ui::connectGuarded(CancelBut, &QToolButton::clicked, this, [this] { CancelButClick(); });
    ui::connectGuarded(DirectoryListBox, &ui::DirectoryListBox::changed, this,
                       [this] { DirectoryListBoxChange(); });
    setOnCreate([this] { FormCreate(); });
    centerOnScreen();
}

TMainDialog::~TMainDialog() {
    if (MainDialog == this)
        MainDialog = nullptr;
}

std::string TMainDialog::infoText() const {
    return InfoLabel->text().toStdString();
}

void TMainDialog::setInfoText(const std::string& text) {
    InfoLabel->setText(QString::fromStdString(CountedString(text).str()));
}

void TMainDialog::FormCreate() {
    setCaption((SetupTitle + " Installation").str());
    setInfoText("Welcome to OruInstall. This program will automatically install and configure " + product() +
                " on your computer.");
    WizardState = StepStartNotices;
}

void TMainDialog::FormClose() {
    InfoLabel->clear();
}

void TMainDialog::closeEvent(QCloseEvent* event) {
    ui::runGuarded([this] { FormClose(); });
    ui::Form::closeEvent(event);
}

void TMainDialog::NextButClick() {
    switch (WizardState) {
    case StepStartNotices:
    case StepEndNotices:
        ShowPlugs();
        break;
    case StepToNames:
        GetNames();
        break;
    case StepNames:
        UserName = CountedString(EditName->text().toStdString());
        UserOrg = CountedString(EditOrg->text().toStdString());
        GetDestination();
        break;
    case StepDestination:
        if (!destinationAccepted())
            break;
        DestPath = CountedString(EditPath->text().toStdString());
        CopyFiles();
        break;
    case StepToFinal:
        GoodBye();
        break;
    case StepFinal:
        if (ui::Application* application = ui::Application::current())
            application->terminate();
        break;
    default:
        break;
    }
}

void TMainDialog::loadNotice(const std::string& fileName) {
    QFile file(QString::fromStdString(files::toHost(fileName).string()));
    if (files::toHost(fileName).empty() || !file.open(QIODevice::ReadOnly))
        throw FileOpenError(fileName);
    InfoMemo->setPlainText(QString::fromLatin1(file.readAll()));
}

void TMainDialog::ShowPlugs() {
    setInfoText(NoticesText);
    if (WizardState == StepStartNotices) {
        if (StartInfoIndex < StartInfoNames.count()) {
            loadNotice((SetupDir + StartInfoNames.at(StartInfoIndex)).str());
            ++StartInfoIndex;
        } else {
            WizardState = StepToNames;
            NextButClick();
        }
    } else if (WizardState == StepEndNotices) {
        if (EndInfoIndex < EndInfoNames.count()) {
            Panel5->hide();
            Panel1->show();
            loadNotice((SetupDir + EndInfoNames.at(EndInfoIndex)).str());
            ++EndInfoIndex;
        } else {
            WizardState = StepToFinal;
            NextButClick();
        }
    }
}

void TMainDialog::GetNames() {
    {
        Registry registry;
        registry.setRootKey(RootKey::LocalMachine);
        registry.setAccess(RegAccess::Full);
        if (registry.openKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion", false)) {
            UserOrg = CountedString(registry.readString("RegisteredOrganization"));
            UserName = CountedString(registry.readString("RegisteredOwner"));
        }
        registry.closeKey();
    }
    EditOrg->setText(QString::fromStdString(UserOrg.str()));
    EditName->setText(QString::fromStdString(UserName.str()));
    PrevBut->setEnabled(true);
    Panel1->hide();
    setInfoText(
        "Please follow the instructions provided with your software to fill in your registration name and "
        "organisation fields.");
    Panel2->show();
    WizardState = StepNames;
}

void TMainDialog::GetDestination() {
    Panel2->hide();
    setInfoText("Please accept the default path displayed or select a different path to install " +
                product() + " on your computer.");
    DirectoryListBox->setDirectory("c:\\");
    DriveComboBox->setDrive('c');
    EditPath->setText(QString::fromStdString(DefaultDir.str()));
    Panel4->show();
    WizardState = StepDestination;
}

void TMainDialog::DirectoryListBoxChange() {
    std::string path = DirectoryListBox->directory();
    if (path.size() != 3)
        path += "\\";
    path += AppName.str();
    EditPath->setText(QString::fromStdString(CountedString(path).str()));
    DestPath = CountedString(EditPath->text().toStdString());
}

void TMainDialog::PrevButClick() {
    Panel1->show();
    Panel1->repaint();
    PrevBut->setEnabled(false);
    WizardState = StepStartNotices;
    setInfoText(NoticesText);
}

void TMainDialog::showClosingTexts(const char* const (&lines)[3]) {
    PrevBut->setEnabled(false);
    NextBut->setCaption("&Finish");
    CancelBut->setEnabled(false);
    InfoMemo->setPlainText(QString::fromLatin1(lines[0]) + "\n\n" + lines[1] + "\n\n" + lines[2]);
}

void TMainDialog::GoodBye() {
    showClosingTexts(InstallerNotice);
    if (NotCreated.empty()) {
        setInfoText("OruInstall has installed " + product() + " successfully, congratulations.");
    } else {
        // The report is the page's content: it takes the place of whatever page the run left in view.
        setInfoText("OruInstall has installed " + product() + ", but some menu items are missing.");
        InfoMemo->setPlainText(
            QString::fromStdString(shortfallReport(NotCreated, GroupName.str(), DestPath.str())));
        Panel5->hide();
        Panel1->show();
    }
    WizardState = StepFinal;
}

// The path field must name a directory below a drive's root: an empty or relative path, or a drive root,
// would install into whatever directory or drive happens to be current. Answers whether the run may start;
// else the user is told why and the field keeps its text for correcting.
bool TMainDialog::destinationAccepted() {
    const std::string text = EditPath->text().toStdString();
    const files::DrivePath path = files::DrivePath::parse(text);
    std::string problem;
    if (text.find_first_not_of(" \t") == std::string::npos)
        problem = "Please enter the directory to install " + product() + " in.";
    else if (!path.rooted || path.parts.empty() || files::toHost(text).empty())
        problem = "\"" + text +
                  "\" is not a directory OruInstall can install to. Please enter a full path "
                  "below a drive's root, such as c:\\" +
                  AppName.str() + ".";
    if (problem.empty())
        return true;
    ui::showMessageBox(caption(), problem, ui::MessageIcon::Warning);
    EditPath->setFocus();
    return false;
}

void TMainDialog::CancelButClick() {
    showClosingTexts(CancelTexts);
    setInfoText("The installation of " + product() + " was not performed successfuly.");
    Panel2->hide();
    Panel4->hide();
    Panel5->hide();
    Panel1->show();
    Panel1->repaint();
    WizardState = StepFinal;
}

} // namespace orupim::setup
