// The drive list of the old file dialogs: one line per drive of the drive map ("c:"), the current one shown.
// Bound to a directory list, choosing a drive moves the list to that drive's root.
#pragma once

#include <QComboBox>
#include <QPointer>

namespace orupim::ui {

class DirectoryListBox;

class DriveComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget* parent = nullptr);

    void setDirList(DirectoryListBox* list);
    // The drive shown, as an upper-case letter (0 when none).
    char drive() const;
    // Shows a drive (either case) and moves the bound list there when it is not there already.
    void setDrive(char letter);

private:
    void fill();

    QPointer<DirectoryListBox> dirList_;
};

} // namespace orupim::ui
