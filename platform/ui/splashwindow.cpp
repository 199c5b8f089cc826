#include "platform/ui/splashwindow.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace orupim::ui {

SplashWindow::SplashWindow(const QPixmap& picture, const char* panelName, const char* imageName,
                           const char* bevelName)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("WaitDialog");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setFixedSize(441, 268);

    auto* panel = new QWidget(this);
    panel->setObjectName(panelName);
    panel->setGeometry(0, 0, 441, 268);
    auto* image = new QLabel(panel);
    image->setObjectName(imageName);
    image->setPixmap(picture);
    image->setGeometry(3, 3, PictureWidth, PictureHeight);
    auto* bevel = new QFrame(panel);
    bevel->setObjectName(bevelName);
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Raised);
    bevel->setGeometry(3, 3, 435, 262);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void SplashWindow::showNow() {
    show();
    repaint();
}

} // namespace orupim::ui
