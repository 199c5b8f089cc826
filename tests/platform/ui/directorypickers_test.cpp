// The drive and directory pickers: the list follows the process current directory, announces each change
// once, opens the lines of the path and the subdirectories, and the bound drive list moves it to a drive.
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"
#include "platform/ui/directorylistbox.h"
#include "platform/ui/drivecombobox.h"
#include "temproot.h"

#include <QSignalSpy>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orupim::ui {
namespace {

class DirectoryPickers : public ::testing::Test {
protected:
    DirectoryPickers() {
        const auto drives = orupim::test::tempRoot() / "pickers";
        std::filesystem::create_directories(drives / "c" / "apps" / "Old");
        std::filesystem::create_directories(drives / "c" / "Beta");
        std::filesystem::create_directories(drives / "d");
        std::ofstream(drives / "c" / "file.txt") << "x";
        std::ofstream(orupim::test::tempRoot() / "drives.ini")
            << "[Drives]\nC=" << (drives / "c").string() << "\nD=" << (drives / "d").string() << "\n";
        files::setCurrentDirectory("C:\\");
    }

    static std::vector<std::string> lines(const DirectoryListBox& list) {
        std::vector<std::string> out;
        for (int i = 0; i < list.count(); ++i)
            out.push_back(list.item(i)->text().toStdString());
        return out;
    }
};

TEST_F(DirectoryPickers, ListShowsThePathThenTheSubdirectories) {
    DirectoryListBox list;
    EXPECT_EQ(list.directory(), "C:\\");
    EXPECT_EQ(lines(list), (std::vector<std::string>{"C:\\", "apps", "Beta"}));
    QSignalSpy changes(&list, &DirectoryListBox::changed);

    list.itemActivated(list.item(1));
    EXPECT_EQ(list.directory(), "C:\\apps");
    EXPECT_EQ(files::currentDirectory(), "C:\\apps");
    EXPECT_EQ(lines(list), (std::vector<std::string>{"C:\\", "apps", "Old"}));
    list.itemActivated(list.item(0));
    EXPECT_EQ(list.directory(), "C:\\");
    EXPECT_EQ(changes.count(), 2);

    EXPECT_TRUE(list.setDirectory("c:\\"));
    EXPECT_EQ(changes.count(), 2); // the same directory again is no change
    EXPECT_FALSE(list.setDirectory("C:\\missing"));
    EXPECT_EQ(list.directory(), "C:\\");
}

TEST_F(DirectoryPickers, DriveListMovesTheBoundListToTheDrivesRoot) {
    DirectoryListBox list;
    DriveComboBox drives;
    drives.setDirList(&list);
    EXPECT_EQ(drives.itemText(0).toStdString(), "c:");
    EXPECT_EQ(drives.drive(), 'C');
    QSignalSpy changes(&list, &DirectoryListBox::changed);

    drives.setDrive('d');
    EXPECT_EQ(drives.drive(), 'D');
    EXPECT_EQ(list.directory(), "D:\\");
    EXPECT_EQ(files::currentDirectory(), "D:\\");
    EXPECT_EQ(changes.count(), 1);
    drives.setDrive('D');
    EXPECT_EQ(changes.count(), 1);
}

} // namespace
} // namespace orupim::ui
