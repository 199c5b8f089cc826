// The lookup-list file each edition ships with: every list section of the edition has choices, each fits its
// field, and the first start finds Sound off.
#include "catalogue/videoedition.h"
#include "editions/audio/audioedition.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "editions/software/softwareedition.h"
#include "platform/files/drivepath.h"
#include "platform/profile/inifile.h"

#include <filesystem>
#include <gtest/gtest.h>

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

INSTANTIATE_TEST_SUITE_P(Editions, ShippedListFile,
                         ::testing::Values(&videoEdition(), &editions::softwareEdition(),
                                           &editions::audioEdition(), &editions::printedMediaEdition()),
                         [](const auto& info) { return info.param->deliverable; });

} // namespace
} // namespace orupim::catalogue
