#include "platform/ui/drivecombobox.h"

#include "platform/files/drivemap.h"
#include "platform/files/filesystem.h"
#include "platform/ui/directorylistbox.h"

#include <cctype>

namespace orupim::ui {

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent) {
    fill();
    const std::string current = files::currentDirectory();
    if (!current.empty())
        setCurrentIndex(findData(QChar(current[0]).toUpper()));
    connect(this, &QComboBox::activated, this, [this] { setDrive(drive()); });
}

void DriveComboBox::fill() {
    const files::DriveMap map = files::DriveMap::current();
    for (const auto& [letter, host] : map.drives()) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
        addItem(QString(QChar(lower)) + ":", QChar(upper));
    }
}

void DriveComboBox::setDirList(DirectoryListBox* list) {
    dirList_ = list;
}

char DriveComboBox::drive() const {
    const QVariant letter = currentData();
    return letter.isValid() ? static_cast<char>(letter.toChar().toLatin1()) : 0;
}

void DriveComboBox::setDrive(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const int index = findData(QChar(upper));
    if (index < 0)
        return;
    setCurrentIndex(index);
    if (dirList_ && dirList_->drive() != upper)
        dirList_->setDrive(upper);
}

} // namespace orupim::ui
