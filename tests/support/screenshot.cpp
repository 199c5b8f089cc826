#include "screenshot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>
#include <iostream>

namespace orupim::test {

void saveScreenshot(QWidget& widget, const std::string& name) {
    const char* dir = std::getenv("ORUPIM_SCREENSHOTS");
    if (!dir || !*dir)
        return;
    const QString file = QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromStdString(name) + ".png");
    if (!QDir().mkpath(QString::fromLocal8Bit(dir)) || !widget.grab().save(file))
        std::cerr << "cannot write the picture " << file.toStdString() << "\n";
}

} // namespace orupim::test
