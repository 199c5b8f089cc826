#include "catalogue/waitdialog.h"

#include <QPainter>

namespace orupim::catalogue {
namespace {

constexpr int PictureWidth = ui::SplashWindow::PictureWidth;
constexpr int PictureHeight = ui::SplashWindow::PictureHeight;

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

TWaitDialog::TWaitDialog() : ui::SplashWindow(splashPicture(), "Panel1", "Image1", "Bevel1") {
    show();
    repaint();
}

} // namespace orupim::catalogue
