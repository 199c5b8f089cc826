#include "platform/db/session.h"

#include "platform/core/errors.h"
#include "platform/core/replaceable.h"
#include "platform/files/atomicfile.h"
#include "platform/files/platformroot.h"
#include "temproot.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace orupim::db {
namespace {

std::filesystem::path configIn(const std::string& name) {
    return orupim::test::tempRoot() / (name + ".cfg");
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Session, AddsAStandardAliasThatLaterSessionsSee) {
    const auto file = configIn("add");
    Session session(file);
    session.addStandardAlias("ORUPIM", "Z:\\opt\\oru\\", "PARADOX");
    StringList names;
    session.aliasNames(names);
    EXPECT_EQ(names, (StringList{"ORUPIM"}));
    StringList params;
    session.aliasParams("orupim", params); // names ignore letter case
    EXPECT_EQ(params, (StringList{"PATH=Z:\\opt\\oru\\", "DEFAULT DRIVER=PARADOX"}));
    EXPECT_THROW(session.addStandardAlias("OruPim", "C:\\", "PARADOX"), DatabaseError);

    session.saveConfig();
    Session later(file);
    later.aliasNames(names);
    EXPECT_EQ(names, (StringList{"ORUPIM"}));
    later.aliasParams("ORUPIM", params);
    EXPECT_EQ(params, (StringList{"PATH=Z:\\opt\\oru\\", "DEFAULT DRIVER=PARADOX"}));
}

TEST(Session, KeepsParametersExactlyAndInOrder) {
    // Blanks, quotes and "=" inside values are what INI reading would alter; the engine keeps them.
    const StringList params{"PATH=  \"C:\\My Films\\\"  ", "DEFAULT DRIVER='PARADOX'", "NO VALUE", "X=a=b",
                            ""};
    const auto file = configIn("exact");
    {
        Session session(file);
        session.addStandardAlias("ORUPIM", "C:\\", "PARADOX");
        session.addStandardAlias("Second", "D:\\", "PARADOX");
        session.modifyAlias("orupim", params);
        session.saveConfig();
    }
    Session later(file);
    StringList got;
    later.aliasParams("ORUPIM", got);
    EXPECT_EQ(got, params);
    StringList names;
    later.aliasNames(names);
    EXPECT_EQ(names, (StringList{"ORUPIM", "Second"}));
}

TEST(Session, AnAliasWithoutParametersExistsWithAnEmptyList) {
    const auto file = configIn("empty");
    { std::ofstream(file) << "[ORUPIM]\nTYPE=STANDARD\n[Other]\n"; }
    Session session(file);
    StringList names;
    session.aliasNames(names);
    EXPECT_EQ(names, (StringList{"ORUPIM", "Other"}));
    StringList params{"stale"};
    session.aliasParams("other", params);
    EXPECT_TRUE(params.empty());
    EXPECT_THROW(params.at(0), ListError); // what the start-up's first-parameter read meets
    EXPECT_THROW(session.aliasPath("Other"), DatabaseError);

    session.modifyAlias("ORUPIM", {});
    session.saveConfig();
    Session later(file);
    later.aliasParams("ORUPIM", params);
    EXPECT_TRUE(params.empty());
    EXPECT_TRUE(later.isAlias("orupim"));
}

TEST(Session, UnknownAliasIsAnEngineError) {
    Session session(configIn("unknown"));
    StringList params;
    try {
        session.aliasParams("NOWHERE", params);
        FAIL() << "no error";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(), "Unknown database: NOWHERE");
    }
    EXPECT_THROW(session.modifyAlias("NOWHERE", {}), DatabaseError);
    EXPECT_FALSE(session.isAlias("NOWHERE"));
}

TEST(Session, DamagedConfigurationIsReportedAndNeverOverwritten) {
    const std::string damaged[] = {
        "PARAM=PATH=C:\\\n",                   // a value outside any alias
        "[ORUPIM]\nPATH=C:\\\n",               // not a TYPE or PARAM line
        "[ORUPIM]\nTYPE=STANDARD\n[orupim]\n", // the same alias twice
        "[ORUPIM\nTYPE=STANDARD\n",            // a broken alias line
    };
    for (const auto& text : damaged) {
        SCOPED_TRACE(text);
        const auto file = configIn("damaged");
        std::ofstream(file, std::ios::trunc) << text;
        Session session(file);
        StringList names;
        EXPECT_THROW(session.aliasNames(names), DatabaseError);
        EXPECT_THROW(session.addStandardAlias("NEW", "C:\\", "PARADOX"), DatabaseError);
        EXPECT_THROW(session.saveConfig(), DatabaseError);
        EXPECT_EQ(readFile(file), text);
    }
}

TEST(Session, AcceptsCrLfLinesCommentsAndAByteOrderMark) {
    const auto file = configIn("crlf");
    std::ofstream(file)
        << "\xEF\xBB\xBF; written elsewhere\r\n\r\n[ORUPIM]\r\nTYPE=STANDARD\r\nPARAM=PATH=C:\\A\\\r\n";
    Session session(file);
    EXPECT_EQ(session.aliasPath("ORUPIM"), "C:\\A\\");
}

// A parameter's carriage returns, wherever they stand, survive any number of rewrites; a line feed is
// refused.
TEST(Session, ParametersKeepTheirCarriageReturnsThroughRewrites) {
    const auto file = configIn("cr");
    std::ofstream(file, std::ios::binary) << "[HAND]\nTYPE=STANDARD\nPARAM=PATH=C:\\\r\r\n";
    const StringList params{"END=x\r", "MID=a\rb", "\r", "TWO=\r\r"};
    for (int rewrite = 0; rewrite < 3; ++rewrite) {
        Session session(file);
        if (rewrite == 0)
            session.addStandardAlias("ORUPIM", "C:\\", "PARADOX");
        session.modifyAlias("ORUPIM", params);
        session.saveConfig();
    }
    Session later(file);
    StringList got;
    later.aliasParams("ORUPIM", got);
    EXPECT_EQ(got, params);
    later.aliasParams("HAND", got);
    EXPECT_EQ(got, (StringList{"PATH=C:\\\r"}));
    EXPECT_THROW(later.modifyAlias("ORUPIM", {"A=b\nPARAM=c"}), DatabaseError);
}

// Two sessions over one file each save their own changes onto what the other saved.
TEST(Session, SavesKeepWhatOtherSessionsSavedMeanwhile) {
    const auto file = configIn("shared");
    {
        Session first(file);
        first.addStandardAlias("KEEP", "C:\\", "PARADOX");
        first.addStandardAlias("GONE", "C:\\", "PARADOX");
        first.saveConfig();
    }
    Session one(file);
    Session two(file);
    one.addStandardAlias("ONE", "D:\\", "PARADOX");
    one.deleteAlias("gone");
    two.addStandardAlias("TWO", "E:\\", "PARADOX");
    two.modifyAlias("KEEP", {"PATH=F:\\"});
    one.saveConfig();
    two.saveConfig();
    Session later(file);
    StringList names;
    later.aliasNames(names);
    EXPECT_EQ(names, (StringList{"KEEP", "ONE", "TWO"}));
    EXPECT_EQ(later.aliasPath("KEEP"), "F:\\");
    two.aliasNames(names); // a save leaves the session holding what the file holds
    EXPECT_EQ(names, (StringList{"KEEP", "ONE", "TWO"}));
}

TEST(Session, FailedSaveRaisesAndKeepsTheOldFile) {
    const auto file = configIn("fail");
    Session session(file);
    session.addStandardAlias("ORUPIM", "C:\\", "PARADOX");
    session.saveConfig();
    const std::string before = readFile(file);
    session.addStandardAlias("MORE", "D:\\", "PARADOX");
    {
        Replacement failing(files::setWriteFailure, [](const std::filesystem::path&) { return true; });
        EXPECT_THROW(session.saveConfig(), DatabaseError);
    }
    EXPECT_EQ(readFile(file), before);
}

TEST(Session, DefaultSessionKeepsItsAliasesInTheRootsEngineConfig) {
    auto& session = Session::instance();
    EXPECT_EQ(session.configFile(), files::platformRoot() / "engine.cfg");
    session.addStandardAlias("DEFAULTTEST", "C:\\X\\", "PARADOX");
    session.saveConfig();
    Session reader(files::platformRoot() / "engine.cfg");
    EXPECT_EQ(reader.aliasPath("defaulttest"), "C:\\X\\");
    session.deleteAlias("DEFAULTTEST");
    session.saveConfig();
}

} // namespace
} // namespace orupim::db
