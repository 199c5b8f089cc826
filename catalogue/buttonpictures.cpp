#include "catalogue/buttonpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace orupim::catalogue {
namespace {

constexpr int Size = 20;

void triangle(QPainter& p, int tipX, bool pointsLeft) {
    const int baseX = pointsLeft ? tipX + 7 : tipX - 7;
    p.drawPolygon(QPolygon({QPoint(tipX, 10), QPoint(baseX, 4), QPoint(baseX, 16)}));
}

void sheet(QPainter& p, int x, int y) {
    p.setBrush(Qt::white);
    p.drawRect(x, y, 9, 12);
    p.drawLine(x + 2, y + 4, x + 7, y + 4);
    p.drawLine(x + 2, y + 7, x + 7, y + 7);
}

void drawPicture(QPainter& p, int number) {
    const QColor arrow(0, 0, 128);
    p.setPen(QPen(Qt::black, 1));
    switch (number) {
    case 1: // first record: bar and arrow to the left
        p.setBrush(arrow);
        p.drawRect(4, 4, 2, 12);
        triangle(p, 7, true);
        break;
    case 2: // previous record
        p.setBrush(arrow);
        triangle(p, 6, true);
        break;
    case 3: // next record
        p.setBrush(arrow);
        triangle(p, 14, false);
        break;
    case 4: // last record
        p.setBrush(arrow);
        triangle(p, 13, false);
        p.drawRect(14, 4, 2, 12);
        break;
    case 5: // find record: a lens
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(3, 3, 9, 9);
        p.drawLine(11, 11, 17, 17);
        break;
    case 6: // reset data set: a turning arrow
        p.setPen(QPen(QColor(0, 128, 0), 2));
        p.drawArc(4, 4, 12, 12, 60 * 16, 280 * 16);
        p.setBrush(QColor(0, 128, 0));
        p.drawPolygon(QPolygon({QPoint(12, 2), QPoint(16, 6), QPoint(11, 7)}));
        break;
    case 7: // add record: a plus
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 128, 0));
        p.drawRect(9, 3, 3, 14);
        p.drawRect(3, 9, 14, 3);
        break;
    case 8: // delete record: a cross
        p.setPen(QPen(QColor(192, 0, 0), 3));
        p.drawLine(4, 4, 16, 16);
        p.drawLine(16, 4, 4, 16);
        break;
    case 9: // edit record: a pencil over a sheet
        sheet(p, 3, 4);
        p.setPen(QPen(QColor(160, 100, 0), 3));
        p.drawLine(8, 15, 17, 4);
        break;
    case 10: // undo changes: an arrow turning back
        p.setPen(QPen(arrow, 2));
        p.drawArc(5, 5, 11, 10, 0, 180 * 16);
        p.setBrush(arrow);
        p.drawPolygon(QPolygon({QPoint(2, 10), QPoint(8, 10), QPoint(5, 14)}));
        break;
    case 11: // save record: a disk
        p.setBrush(arrow);
        p.drawRect(3, 3, 14, 14);
        p.setBrush(Qt::white);
        p.drawRect(6, 3, 8, 5);
        p.drawRect(5, 11, 10, 6);
        break;
    case 12: // duplicate record: two sheets
        sheet(p, 3, 2);
        sheet(p, 8, 6);
        break;
    case 13: // copy to clipboard: a sheet and an arrow out of it
        sheet(p, 3, 4);
        p.setBrush(arrow);
        triangle(p, 18, false);
        break;
    case 14: // paste from clipboard: a clipboard
        p.setBrush(QColor(160, 100, 0));
        p.drawRect(4, 3, 12, 15);
        sheet(p, 6, 6);
        p.setBrush(Qt::gray);
        p.drawRect(7, 2, 6, 3);
        break;
    case 15: // print record: a printer
        sheet(p, 6, 2);
        p.setBrush(Qt::lightGray);
        p.drawRect(2, 9, 16, 7);
        p.setBrush(Qt::white);
        p.drawRect(5, 13, 10, 5);
        break;
    case 16: // about: an "i" in a circle
        p.setBrush(arrow);
        p.drawEllipse(2, 2, 16, 16);
        p.setPen(QPen(Qt::white, 2));
        p.drawPoint(10, 6);
        p.drawLine(10, 9, 10, 15);
        break;
    default:
        break;
    }
}

} // namespace

QPixmap speedButtonPicture(int number) {
    if (number < 1 || number > 16)
        return {};
    QPixmap picture(Size, Size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPicture(painter, number);
    return picture;
}

QPixmap programIcon() {
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(2, 4, 28, 24);
    p.setBrush(Qt::white);
    for (int x = 4; x < 30; x += 6) {
        p.drawRect(x, 6, 3, 3);
        p.drawRect(x, 23, 3, 3);
    }
    p.setBrush(QColor(120, 170, 255));
    p.drawRect(5, 11, 9, 10);
    p.drawRect(18, 11, 9, 10);
    return icon;
}

} // namespace orupim::catalogue
