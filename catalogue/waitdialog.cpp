#include "catalogue/waitdialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace orupim::catalogue {
namespace {

constexpr int PictureWidth = 432;
constexpr int PictureHeight = 259;

// The splash picture: the suite's name and maker on a dark blue ground.
QPixmap splashPicture() {
    QPixmap picture(PictureWidth, PictureHeight);
    picture.fill(QColor(0, 0, 128));
    QPainter p(&picture);
    p.setPen(QColor(255, 255, 0));
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(48);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 50, PictureWidth, 70), Qt::AlignCenter, QStringLiteral("OruPIM"));
    QFont line(QStringLiteral("Arial"));
    line.setPixelSize(16);
    line.setBold(true);
    p.setFont(line);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 130, PictureWidth, 30), Qt::AlignCenter, QStringLiteral("Personal catalogues"));
    p.drawText(QRect(0, 200, PictureWidth, 30), Qt::AlignCenter, QStringLiteral("Brenmoor"));
    return picture;
}

} // namespace

TWaitDialog::TWaitDialog()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("WaitDialog");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setFixedSize(441, 268);

    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, 441, 268);
    auto* picture = new QLabel(panel);
    picture->setObjectName("Image1");
    picture->setPixmap(splashPicture());
    picture->setGeometry(3, 3, PictureWidth, PictureHeight);
    auto* bevel = new QFrame(panel);
    bevel->setObjectName("Bevel1");
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Raised);
    bevel->setGeometry(3, 3, 435, 262);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    repaint();
}

} // namespace orupim::catalogue
