// Each edition's program directory as the build stages it (build/stage/<program>): it holds every file the
// program opens beside itself; the table there is the edition's; the lookup-list file fills every list of the
// edition with choices that fit their fields and starts with Sound off; the notices speak of that edition
// alone, each edition's differing from the others'.
#include "alleditions.h"
#include "platform/db/query.h"
#include "platform/db/session.h"
#include "platform/files/drivepath.h"
#include "platform/profile/inifile.h"
#include "temproot.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace orupim::catalogue {
namespace {

using test::AllEditions;

std::filesystem::path stagedDirectory(const Edition& edition) {
    return std::filesystem::path(ORUPIM_STAGE_DIR) / edition.deliverable;
}

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The staged notices; the program shows them under this name.
std::string stagedNotices(const Edition& edition) {
    return fileText(stagedDirectory(edition) / "instruct.txt");
}

class StagedProgramDirectory : public ::testing::TestWithParam<const Edition*> {};

TEST_P(StagedProgramDirectory, HoldsEveryFileTheProgramOpensBesideItself) {
    const Edition& edition = *GetParam();
    for (const std::string& name : {edition.deliverable, edition.listFile, edition.table + ".db",
                                    std::string("instruct.txt"), std::string("OruPIM.hlp")}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(stagedDirectory(edition) / name)) << name;
    }
}

// The staged table, opened as the program opens its own (from a copy, so that the stage is left as it is).
TEST_P(StagedProgramDirectory, TableHoldsTheEditionsFields) {
    const Edition& edition = *GetParam();
    const std::string file = edition.table + ".db";
    const std::filesystem::path copy = orupim::test::tempRoot() / "stagedtable";
    std::filesystem::create_directories(copy);
    ASSERT_TRUE(std::filesystem::copy_file(stagedDirectory(edition) / file, copy / file)) << file;

    db::Session::instance().addStandardAlias("STAGED", files::toDrive(copy) + "\\", "PARADOX");
    std::vector<std::string> fields;
    {
        db::Query query;
        query.setDatabaseName("STAGED");
        query.addSql("select * from " + edition.table);
        query.open();
        EXPECT_EQ(query.recordCount(), 0) << "a program is shipped with an empty table";
        for (int i = 0; i < query.fieldCount(); ++i)
            fields.push_back(query.field(i).fieldName());
        query.close();
    }
    db::Session::instance().deleteAlias("STAGED");
    std::vector<std::string> layout;
    for (const db::FieldDef& field : edition.layout->fields)
        layout.push_back(field.name);
    EXPECT_EQ(fields, layout);
}

TEST_P(StagedProgramDirectory, ListFileFillsEveryListAndStartsWithSoundOff) {
    const Edition& edition = *GetParam();
    const std::filesystem::path host = stagedDirectory(edition) / edition.listFile;
    ASSERT_TRUE(std::filesystem::exists(host));
    IniFile listFile(files::toDrive(host));
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

TEST_P(StagedProgramDirectory, NoticesSpeakOfTheirEditionAlone) {
    const Edition& edition = *GetParam();
    const std::string text = stagedNotices(edition);
    EXPECT_EQ(text.rfind(edition.applicationTitle + " - notices", 0), 0u);
    EXPECT_NE(text.find(edition.listFile), std::string::npos);
    EXPECT_NE(text.find(edition.table + ".db"), std::string::npos);
    std::string about = edition.menus.aboutCaption; // "&About PRG..." is written "About PRG"
    about.erase(std::remove(about.begin(), about.end(), '&'), about.end());
    about.erase(about.size() - 3);
    EXPECT_NE(text.find(about + " (menu Help"), std::string::npos) << about;
    for (const Edition* other : AllEditions)
        if (other != &edition) {
            EXPECT_EQ(text.find(other->deliverable), std::string::npos) << other->deliverable;
        }
}

INSTANTIATE_TEST_SUITE_P(Editions, StagedProgramDirectory, ::testing::ValuesIn(AllEditions),
                         [](const auto& info) { return info.param->deliverable; });

TEST(StagedNotices, DifferBetweenEditions) {
    std::set<std::string> texts;
    for (const Edition* edition : AllEditions)
        EXPECT_TRUE(texts.insert(stagedNotices(*edition)).second) << edition->deliverable;
}

} // namespace
} // namespace orupim::catalogue
