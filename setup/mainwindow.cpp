#include "setup/mainwindow.h"

#include "platform/files/filesystem.h"
#include "platform/ui/application.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/screencursor.h"
#include "setup/maindialog.h"
#include "setup/modulevalues.h"
#include "setup/packagereader.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace orupim::setup {

TMainWindow* MainWindow = nullptr;

namespace {

// The maker's notice line under the product's name.
constexpr const char* MakerNotice = "Copyright Brenmoor";

// The backdrop picture, stretched over the whole window: a blue fade from top to bottom.
QPixmap backdropPicture() {
    QPixmap picture(64, 256);
    QPainter p(&picture);
    QLinearGradient fade(0, 0, 0, 256);
    fade.setColorAt(0, QColor(0, 0, 255));
    fade.setColorAt(1, QColor(0, 0, 32));
    p.fillRect(picture.rect(), fade);
    return picture;
}

QLabel* textLabel(QWidget* parent, const char* name, QColor colour, int pixelSize, QPoint place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(place);
    return label;
}

void showText(QLabel* label, const std::string& caption) {
    label->setText(QString::fromStdString(caption));
    label->adjustSize();
}

} // namespace

TMainWindow::TMainWindow() {
    setObjectName("MainWindow");
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowState(Qt::WindowMaximized);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);

    auto* frame = new QFrame(client());
    frame->setObjectName("Panel1");
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    frame->setAutoFillBackground(true);
    QPalette black = frame->palette();
    black.setColor(QPalette::Window, Qt::black);
    frame->setPalette(black);
    Panel1 = frame;
    auto* clientLayout = new QVBoxLayout(client());
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(Panel1);

    Image = new QLabel(Panel1);
    Image->setObjectName("Image");
    Image->setPixmap(backdropPicture());
    Image->setScaledContents(true);
    Image->setMinimumSize(1, 1);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(4, 4, 4, 4);
    panelLayout->addWidget(Image);

    // The shade labels are made first, so that they lie beneath the white ones.
    ProductShadeLabel = textLabel(Panel1, "ProductShadeLabel", QColor(0, 0, 128), 32, {52, 20});
    ProductLabel = textLabel(Panel1, "ProductLabel", Qt::white, 32, {52, 18});
    ByShadeLabel = textLabel(Panel1, "ByShadeLabel", QColor(0, 0, 128), 21, {52, 58});
    ByLabel = textLabel(Panel1, "ByLabel", Qt::white, 21, {50, 56});
    showText(ByShadeLabel, MakerNotice);
    showText(ByLabel, MakerNotice);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    ui::connectGuarded(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    setOnCreate([this] { FormCreate(); });
}

TMainWindow::~TMainWindow() {
    FormDestroy();
    if (MainWindow == this)
        MainWindow = nullptr;
}

void TMainWindow::FormCreate() {
    QRect screen(0, 0, 640, 480);
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screen = primary->geometry();
    setGeometry(0, 0, screen.width(), screen.height());

    clearPackageLists();
    SetupDir = CountedString(files::programDirectory());
    IpiPath = SetupDir + PackageFileName;
    if (!files::fileExists(IpiPath.str())) {
        ui::showMessageBox("Error", "No IPI, exiting instalation.", ui::MessageIcon::Error);
        if (ui::Application* application = ui::Application::current())
            application->terminate();
        return;
    }
    {
        ui::HourGlassScope hourGlass;
        readPackage(IpiPath);
    }
    const CountedString product = AppName + " " + AppVersion.str() + " Install";
    showText(ProductLabel, product);
    showText(ProductShadeLabel, product);
    SetupTitle = AppName + " " + AppVersion.str();
    setCaption(SetupTitle.str());
    Timer1->start();
}

void TMainWindow::FormDestroy() {
    clearPackageLists();
}

void TMainWindow::Timer1Timer() {
    Timer1->stop();
    Runit();
}

void TMainWindow::Runit() {
    ui::Application* application = ui::Application::current();
    if (!application)
        return;
    application->createForm(MainDialog);
    MainDialog->showModal();
}

} // namespace orupim::setup
