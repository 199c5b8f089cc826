// The lookup-list file each edition ships with: every list section of the edition has choices, each fits its
// field, and the first start finds Sound off; its notices speak of that edition alone.
#include "catalogue/videoedition.h"
#include "editions/audio/audioedition.h"
#include "editions/contact/contactedition.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "editions/software/softwareedition.h"
#include "platform/files/drivepath.h"
#include "platform/profile/inifile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace orupim::catalogue {
namespace {

class ShippedListFile : public ::testing::TestWithParam<const Edition*> {};

TEST_P(ShippedListFile, FillsEveryListAndStartsWithSoundOff) {
    const Edition& edition = *GetParam();
    const auto host = std::filesystem::path(ORUPIM_TEST_DATA) / ".." / ".." / "package" / edition.listFile;
    ASSERT_TRUE(std::filesystem::exists(host));
    IniFile listFile(files::toDrive(std::filesystem::canonical(host)));
    EXPECT_EQ(listFile.readString("Settings", "Sound", "missing"), "0");
    for (const ListSection& list : edition.lists) {
        SCOPED_TRACE(list.section);
        StringList entries;
        listFile.readSection(list.section, entries);
        EXPECT_GE(entries.count(), 5);
        const std::string& field = edition.control(list.control)->field;
        for (const auto& def : edition.layout->fields) {
            if (def.name != field)
                continue;
            for (const std::string& entry : entries) {
                EXPECT_LE(static_cast<int>(entry.size()), def.size) << entry;
            }
        }
    }
}

// The notices each program directory gets as instruct.txt speak of that edition only.
TEST_P(ShippedListFile, NoticesNameTheProgramItsListsAndItsTable) {
    const Edition& edition = *GetParam();
    const std::string name = edition.table == "flx" ? "instruct.txt" : "instruct-" + edition.table + ".txt";
    std::ifstream file(std::filesystem::path(ORUPIM_TEST_DATA) / ".." / ".." / "package" / name);
    ASSERT_TRUE(file) << name;
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.rfind(edition.applicationTitle + " - notices", 0), 0u);
    EXPECT_NE(text.find(edition.listFile), std::string::npos);
    EXPECT_NE(text.find(edition.table + ".db"), std::string::npos);
    std::string about = edition.menus.aboutCaption; // "&About PRG..." is written "About PRG"
    about.erase(std::remove(about.begin(), about.end(), '&'), about.end());
    about.erase(about.size() - 3);
    EXPECT_NE(text.find(about + " (menu Help"), std::string::npos) << about;
    for (const char* other : {"OruFLX", "OruPRG", "OruSND", "OruBKS"})
        if (edition.deliverable != other) {
            EXPECT_EQ(text.find(other), std::string::npos) << other;
        }
}

INSTANTIATE_TEST_SUITE_P(Editions, ShippedListFile,
                         ::testing::Values(&videoEdition(), &editions::softwareEdition(),
                                           &editions::audioEdition(), &editions::printedMediaEdition(),
                                           &editions::contactEdition()),
                         [](const auto& info) { return info.param->deliverable; });

} // namespace
} // namespace orupim::catalogue
