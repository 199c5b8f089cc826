// The directory list of the old file dialogs: the path of its directory, one line per level from the drive's
// root down, then the directories below it, sorted without regard to case. Activating a line (double click
// or Enter) moves to that directory. The directory it shows is the process current directory: every change,
// by the user or by the program, makes it so and is announced by `changed`.
#pragma once

#include <QListWidget>
#include <string>
#include <string_view>

namespace orupim::ui {

class DirectoryListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryListBox(QWidget* parent = nullptr);

    // The directory shown, a full drive path ("C:\" at a root, else "C:\APPS").
    const std::string& directory() const { return directory_; }
    // Moves to a directory; a path that is no existing directory changes nothing and answers false.
    bool setDirectory(std::string_view drivePath);
    // Moves to the root of a drive.
    bool setDrive(char letter);
    char drive() const { return directory_.empty() ? 0 : directory_[0]; }

signals:
    void changed();

private:
    void fill();
    void openLine(QListWidgetItem* line);

    std::string directory_;
    int levels_ = 0; // lines of the path; the lines after them are subdirectories
};

} // namespace orupim::ui
