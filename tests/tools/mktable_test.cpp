#include "platform/db/query.h"
#include "platform/db/session.h"
#include "platform/files/drivepath.h"
#include "temproot.h"
#include "tools/mktable/editiontables.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace orupim::tools {
namespace {

int runTool(const std::string& arguments) {
    const int status =
        std::system((std::string(ORUPIM_MKTABLE) + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::filesystem::path freshDirectory(const std::string& name) {
    const auto directory = orupim::test::tempRoot() / name;
    std::filesystem::create_directories(directory);
    return directory;
}

TEST(MakeTable, CreatesTheEmptyTableOfEveryEditionFromItsLayout) {
    const auto directory = freshDirectory("all");
    ASSERT_EQ(runTool("ALL '" + directory.string() + "'"), 0);
    auto& session = db::Session::instance();
    session.addStandardAlias("ORUPIM", files::toDrive(directory), "PARADOX");
    const std::pair<const char*, int> expected[] = {
        {"FLX", 13}, {"PRG", 12}, {"SND", 13}, {"BKS", 12}, {"PPL", 13}};
    for (const auto& [code, fieldCount] : expected) {
        SCOPED_TRACE(code);
        const auto* layout = editionTable(code);
        ASSERT_NE(layout, nullptr);
        db::Query query;
        query.setDatabaseName("ORUPIM");
        query.addSql("select * from " + layout->table);
        query.open();
        EXPECT_EQ(query.recordCount(), 0);
        EXPECT_TRUE(query.canModify());
        ASSERT_EQ(query.fieldCount(), fieldCount);
        for (int i = 0; i < fieldCount; ++i) {
            const auto& field = query.field(i);
            const auto& def = layout->fields[std::size_t(i)];
            EXPECT_EQ(field.fieldName(), def.name);
            EXPECT_EQ(field.kind(), def.kind);
            EXPECT_EQ(field.size(), def.size);
            EXPECT_EQ(field.required(), def.required);
        }
    }
    // The layouts' required fields, as the editions define them.
    std::vector<std::string> required;
    for (const auto& [code, layout] : editionTables())
        for (const auto& def : layout->fields)
            if (def.required)
                required.push_back(std::string(code) + "." + def.name);
    EXPECT_EQ(required, (std::vector<std::string>{"BKS.Author", "BKS.Title", "BKS.Publisher", "PPL.Name"}));
}

TEST(MakeTable, CreatesOneEditionAndNeverReplacesATable) {
    const auto directory = freshDirectory("one");
    EXPECT_EQ(runTool("bks '" + directory.string() + "'"), 0);
    EXPECT_TRUE(std::filesystem::exists(directory / "bks.db"));
    EXPECT_FALSE(std::filesystem::exists(directory / "flx.db"));
    const auto size = std::filesystem::file_size(directory / "bks.db");
    EXPECT_EQ(runTool("BKS '" + directory.string() + "'"), 1);
    EXPECT_EQ(std::filesystem::file_size(directory / "bks.db"), size);
}

TEST(MakeTable, RejectsBadArguments) {
    const auto directory = freshDirectory("bad");
    EXPECT_EQ(runTool(""), 2);
    EXPECT_EQ(runTool("XYZ '" + directory.string() + "'"), 2);
    EXPECT_EQ(runTool("FLX '" + (directory / "missing").string() + "'"), 1);
    EXPECT_TRUE(std::filesystem::is_empty(directory));
}

} // namespace
} // namespace orupim::tools
