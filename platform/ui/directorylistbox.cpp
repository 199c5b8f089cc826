#include "platform/ui/directorylistbox.h"

#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"
#include <cctype>

#include <QKeyEvent>
#include <algorithm>
#include <filesystem>
#include <vector>

namespace orupim::ui {
namespace {

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> subdirectories(const std::string& drivePath) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(files::toHost(drivePath), ec))
        if (entry.is_directory(ec))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

} // namespace

DirectoryListBox::DirectoryListBox(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this, &DirectoryListBox::openLine);
    directory_ = files::currentDirectory();
    fill();
}

bool DirectoryListBox::setDirectory(std::string_view drivePath) {
    files::DrivePath parsed = files::DrivePath::parse(drivePath);
    const std::string full = parsed.resolvedAgainst(files::DrivePath::parse(files::currentDirectory())).str();
    if (!files::setCurrentDirectory(full))
        return false;
    const std::string now = files::currentDirectory();
    const bool moved = now != directory_;
    directory_ = now;
    fill();
    if (moved)
        emit changed();
    return true;
}

bool DirectoryListBox::setDrive(char letter) {
    return setDirectory(std::string(1, letter) + ":\\");
}

void DirectoryListBox::fill() {
    clear();
    const files::DrivePath path = files::DrivePath::parse(directory_);
    if (path.drive == 0) {
        levels_ = 0;
        return;
    }
    addItem(QString::fromStdString(std::string(1, path.drive) + ":\\"));
    for (const std::string& part : path.parts)
        addItem(QString::fromStdString(part));
    levels_ = count();
    setCurrentRow(levels_ - 1);
    for (const std::string& name : subdirectories(directory_))
        addItem(QString::fromStdString(name));
}

void DirectoryListBox::openLine(QListWidgetItem* line) {
    const int row = this->row(line);
    files::DrivePath path = files::DrivePath::parse(directory_);
    if (row < levels_)
        path.parts.resize(static_cast<std::size_t>(row));
    else
        path.parts.push_back(line->text().toStdString());
    setDirectory(path.str());
}

} // namespace orupim::ui
