#include "setup/waitdialog.h"

#include <QPainter>

namespace orupim::setup {
namespace {

constexpr int PictureWidth = ui::SplashWindow::PictureWidth;
constexpr int PictureHeight = ui::SplashWindow::PictureHeight;

// The installer's picture: its name and maker on a dark teal ground.
QPixmap installerPicture() {
    QPixmap picture(PictureWidth, PictureHeight);
    picture.fill(QColor(0, 64, 96));
    QPainter p(&picture);
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 0));
    p.drawText(QRect(0, 60, PictureWidth, 70), Qt::AlignCenter, QStringLiteral("OruInst"));
    QFont line(QStringLiteral("Arial"));
    line.setPixelSize(16);
    line.setBold(true);
    p.setFont(line);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 200, PictureWidth, 30), Qt::AlignCenter, QStringLiteral("Brenmoor"));
    return picture;
}

} // namespace

TWaitDialog::TWaitDialog() : ui::SplashWindow(installerPicture(), "Panel", "Image", "Bevel") {}

} // namespace orupim::setup
