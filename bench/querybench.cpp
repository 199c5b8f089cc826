// orupim-bench-query [RECORDS]: how the engine's live query compares with SQLite running the same statement
// directly. Fills a video table with RECORDS records (1,000,000 by default) in a temporary platform root,
// then measures, each in a child process of its own so that its peak memory is its own:
//   - "select * from flx" opened and walked to its end with the data controls off (the show handler's count);
//   - a like search on Director, opened and walked;
//   - the same walk reading every field of every record (what a view that follows the query costs);
// against SQLite preparing the same statement and stepping through it (reading every column for the last).
// Each figure is the best of three runs; the ratios are engine / SQLite.
#include "bench/benchsupport.h"
#include "catalogue/videolayout.h"
#include "platform/db/query.h"
#include "platform/db/session.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"

#include <cstdio>
#include <sqlite3.h>
#include <string>

namespace {

using namespace orupim;

long sqliteWalk(const std::string& file, const std::string& sql, bool readColumns) {
    sqlite3* db = nullptr;
    bench::checkSqlite(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), db);
    sqlite3_stmt* statement = nullptr;
    bench::checkSqlite(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), db);
    long records = 0;
    std::size_t bytes = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        ++records;
        if (readColumns)
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                sqlite3_column_text(statement, c);
                bytes += std::size_t(sqlite3_column_bytes(statement, c));
            }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return bytes == std::size_t(-1) ? 0 : records;
}

long engineWalk(const std::string& sql, bool readFields) {
    db::Query query;
    query.setDatabaseName("ORUPIM");
    query.addSql(sql);
    query.open();
    long records = 0;
    std::size_t bytes = 0;
    query.disableControls();
    // The show handler's count: next until the end flag; n records take n moves.
    while (!query.eof()) {
        if (readFields)
            for (int i = 0; i < query.fieldCount(); ++i)
                bytes += query.field(i).asText().size();
        query.next();
        ++records;
    }
    query.first();
    query.enableControls();
    return bytes == std::size_t(-1) ? 0 : records;
}

void report(const char* what, const bench::Run& engine, const bench::Run& sqlite) {
    std::printf("%-44s engine %7.3f s %6.1f MB | sqlite %7.3f s %6.1f MB | time x%.2f, memory x%.2f | "
                "%ld/%ld records\n",
                what, engine.seconds, engine.peakKb / 1024.0, sqlite.seconds, sqlite.peakKb / 1024.0,
                engine.seconds / sqlite.seconds, double(engine.peakKb) / double(sqlite.peakKb),
                engine.records, sqlite.records);
}

} // namespace

int main(int argc, char** argv) {
    const long count = bench::countArgument(argc, argv);
    const bench::TemporaryRoot root;
    files::forceDirectories("C:\\BENCH");
    auto& session = db::Session::instance();
    session.addStandardAlias("ORUPIM", "C:\\BENCH\\", "PARADOX");
    session.saveConfig();
    db::Session::createTable("C:\\BENCH", catalogue::videoLayout());
    const std::string file = files::toHost("C:\\BENCH\\flx.db").string();
    bench::fillVideoTable(file, count);

    const std::string all = "select * from flx";
    const std::string like = "Select * from flx where Director like '%Kurosawa 1%'";
    report("open \"select * from flx\" and walk", bench::best([&] { return engineWalk(all, false); }),
           bench::best([&] { return sqliteWalk(file, all, false); }));
    report("open like search on Director and walk", bench::best([&] { return engineWalk(like, false); }),
           bench::best([&] { return sqliteWalk(file, like, false); }));
    report("open \"select * from flx\", walk, read fields",
           bench::best([&] { return engineWalk(all, true); }),
           bench::best([&] { return sqliteWalk(file, all, true); }));
    return 0;
}
