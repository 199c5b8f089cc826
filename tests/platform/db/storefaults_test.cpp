// The engine's stores under writers killed in the middle of their writes, and under writers changing them at
// once: engine.cfg (aliases saved by sessions) and a table file (records inserted). Never damaged, no
// confirmed value lost, no temporary file left after the next write.
#include "platform/core/errors.h"
#include "platform/db/session.h"
#include "platform/db/table.h"
#include "storeharness.h"
#include "temproot.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace orupim::db {
namespace {

namespace fs = std::filesystem;

test::StoreUnderTest engineConfigStore() {
    const fs::path file = orupim::test::tempRoot() / test::storeNameOfThisTest() / "engine.cfg";
    fs::create_directories(file.parent_path());
    return {"engine.cfg",
            [file] {
                auto session = std::make_shared<Session>(file);
                return [session](int value) {
                    try {
                        const std::string text = std::to_string(value);
                        session->addStandardAlias("A" + text, "C:\\" + text + "\\", "PARADOX");
                        session->saveConfig();
                        return true;
                    } catch (const DatabaseError&) {
                        return false;
                    }
                };
            },
            [file] {
                std::set<int> values;
                Session reader(file); // raises when the file is damaged
                StringList names;
                reader.aliasNames(names);
                for (const std::string& name : names) {
                    const std::string number = name.substr(1);
                    if (reader.aliasPath(name) != "C:\\" + number + "\\")
                        throw std::runtime_error("an alias that was never written: " + name);
                    values.insert(std::stoi(number));
                }
                return values;
            },
            file};
}

// Whether SQLite finds the file whole.
bool integrityHolds(const fs::path& file) {
    sqlite3* db = nullptr;
    // Read-write, as a program opens it, so that a killed writer's journal is rolled back first.
    bool ok = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    sqlite3_stmt* check = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
         sqlite3_step(check) == SQLITE_ROW &&
         std::string(reinterpret_cast<const char*>(sqlite3_column_text(check, 0))) == "ok";
    sqlite3_finalize(check);
    sqlite3_close(db);
    return ok;
}

test::StoreUnderTest tableStore() {
    const fs::path file = orupim::test::tempRoot() / test::storeNameOfThisTest() / "records.db";
    fs::create_directories(file.parent_path());
    if (!fs::exists(file))
        Table::create(file, {"records", {{"Name", FieldKind::Text, 20, true}}}, file.string());
    return {"table",
            [file] {
                auto table = Table::open(file, "records");
                return [table](int value) {
                    try {
                        table->insert({std::to_string(value)});
                        return true;
                    } catch (const DatabaseError&) {
                        return false;
                    }
                };
            },
            [file] {
                if (!integrityHolds(file))
                    throw std::runtime_error("the table file is damaged");
                std::set<int> values;
                Table::open(file, "records")
                    ->readRange(1, INT64_MAX, [&](std::int64_t, std::vector<FieldValue>& row) {
                        values.insert(std::stoi(row.at(0).value()));
                    });
                return values;
            },
            file};
}

struct NamedStore {
    const char* name;
    test::StoreUnderTest (*make)();
};

class EngineStoreFaults : public ::testing::TestWithParam<NamedStore> {};

TEST_P(EngineStoreFaults, KilledWritersDamageNothingAndLoseNothing) {
    test::expectKilledWritersHarmNothing(GetParam().make());
}

TEST_P(EngineStoreFaults, ConcurrentWritersLoseNothing) {
    test::expectConcurrentWritersLoseNothing(GetParam().make());
}

INSTANTIATE_TEST_SUITE_P(Stores, EngineStoreFaults,
                         ::testing::Values(NamedStore{"EngineConfig", engineConfigStore},
                                           NamedStore{"Table", tableStore}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orupim::db
