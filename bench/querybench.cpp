// orupim-bench-query [RECORDS]: how the engine's live query compares with SQLite running the same statement
// directly. Fills a video table with RECORDS records (1,000,000 by default) in a temporary platform root,
// then measures, each in a child process of its own so that its peak memory is its own:
//   - "select * from flx" opened and walked to its end with the data controls off (the show handler's count);
//   - a like search on Director, opened and walked;
//   - the same walk reading every field of every record (what a view that follows the query costs);
// against SQLite preparing the same statement and stepping through it (reading every column for the last).
// Each figure is the best of three runs; the ratios are engine / SQLite.
#include "catalogue/videolayout.h"
#include "platform/db/query.h"
#include "platform/db/session.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sqlite3.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace orupim;

struct Run {
    double seconds = 0;
    long peakKb = 0;
    long records = 0;
};

// Runs `work` in a child process; it answers the records it saw. Gives the time it took and its peak memory.
Run inChild(const std::function<long()>& work) {
    int fds[2];
    if (pipe(fds) != 0)
        std::exit(1);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const auto start = std::chrono::steady_clock::now();
        long records = -1;
        try {
            records = work();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "error: %s\n", error.what());
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        Run run{seconds, 0, records};
        if (write(fds[1], &run, sizeof run) != sizeof run)
            _exit(1);
        _exit(0);
    }
    close(fds[1]);
    Run run;
    if (read(fds[0], &run, sizeof run) != sizeof run)
        run.records = -1;
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakKb = usage.ru_maxrss;
    return run;
}

Run best(const std::function<long()>& work) {
    Run out;
    for (int i = 0; i < 3; ++i) {
        const Run run = inChild(work);
        if (i == 0 || run.seconds < out.seconds)
            out = Run{run.seconds, out.peakKb, run.records};
        out.peakKb = std::max(out.peakKb, run.peakKb);
    }
    return out;
}

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

void fill(const std::string& file, long count) {
    sqlite3* db = nullptr;
    check(sqlite3_open(file.c_str(), &db), db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    sqlite3_stmt* insert = nullptr;
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO flx (Title, Director, Category, Format, Publisher, Code, Language, "
                             "Borrowed, Lent, Date, Name, Notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                             -1, &insert, nullptr),
          db);
    static const char* directors[] = {"Ford", "Kurosawa", "Hitchcock", "Wilder", "Lang", "Ozu", "Renoir"};
    static const char* categories[] = {"Western", "Drama", "Thriller", "Comedy"};
    for (long i = 0; i < count; ++i) {
        const std::string title = "Title of film number " + std::to_string(i);
        const std::string director = std::string(directors[i % 7]) + " " + std::to_string(i % 1000);
        const std::string code = std::to_string(100000 + i);
        const std::string date = "19" + std::to_string(50 + i % 50) + "-0" + std::to_string(1 + i % 9) +
                                 "-1" + std::to_string(i % 10);
        sqlite3_reset(insert);
        sqlite3_bind_text(insert, 1, title.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, director.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, categories[i % 4], -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 4, "VHS", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 5, "Brenmoor Video", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 6, code.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 7, "English", -1, SQLITE_STATIC);
        sqlite3_bind_int(insert, 8, int(i % 2));
        sqlite3_bind_int(insert, 9, int(i % 3 == 0));
        sqlite3_bind_text(insert, 10, date.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 11, "A friend", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 12, "Seen twice; lent once.", -1, SQLITE_STATIC);
        check(sqlite3_step(insert), db);
    }
    sqlite3_finalize(insert);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
}

long sqliteWalk(const std::string& file, const std::string& sql, bool readColumns) {
    sqlite3* db = nullptr;
    check(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), db);
    sqlite3_stmt* statement = nullptr;
    check(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), db);
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

void report(const char* what, const Run& engine, const Run& sqlite) {
    std::printf("%-44s engine %7.3f s %6.1f MB | sqlite %7.3f s %6.1f MB | time x%.2f, memory x%.2f | "
                "%ld/%ld records\n",
                what, engine.seconds, engine.peakKb / 1024.0, sqlite.seconds, sqlite.peakKb / 1024.0,
                engine.seconds / sqlite.seconds, double(engine.peakKb) / double(sqlite.peakKb),
                engine.records, sqlite.records);
}

} // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 1000000;
    char rootTemplate[] = "/tmp/orupim-bench-XXXXXX";
    if (!mkdtemp(rootTemplate))
        return 1;
    setenv("ORUPIM_ROOT", rootTemplate, 1);
    files::forceDirectories("C:\\BENCH");
    auto& session = db::Session::instance();
    session.addStandardAlias("ORUPIM", "C:\\BENCH\\", "PARADOX");
    session.saveConfig();
    db::Session::createTable("C:\\BENCH", catalogue::videoLayout());
    const std::string file = files::toHost("C:\\BENCH\\flx.db").string();

    const auto start = std::chrono::steady_clock::now();
    fill(file, count);
    std::printf("filled %ld records in %.1f s (%.0f MB file)\n", count,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                double(std::filesystem::file_size(file)) / 1048576.0);

    const std::string all = "select * from flx";
    const std::string like = "Select * from flx where Director like '%Kurosawa 1%'";
    report("open \"select * from flx\" and walk", best([&] { return engineWalk(all, false); }),
           best([&] { return sqliteWalk(file, all, false); }));
    report("open like search on Director and walk", best([&] { return engineWalk(like, false); }),
           best([&] { return sqliteWalk(file, like, false); }));
    report("open \"select * from flx\", walk, read fields", best([&] { return engineWalk(all, true); }),
           best([&] { return sqliteWalk(file, all, true); }));

    std::filesystem::remove_all(rootTemplate);
    return 0;
}
