#include "bench/benchsupport.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

namespace orupim::bench {

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

double bestSeconds(const std::function<void()>& work) {
    double fastest = 0;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        fastest = i == 0 ? seconds : std::min(fastest, seconds);
    }
    return fastest;
}

long countArgument(int argc, char** argv, long fallback) {
    return argc > 1 ? std::atol(argv[1]) : fallback;
}

TemporaryRoot::TemporaryRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orupim-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("temporary platform root");
        std::exit(1);
    }
    path_ = pattern;
    setenv("ORUPIM_ROOT", path_.c_str(), 1);
}

TemporaryRoot::~TemporaryRoot() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void checkSqlite(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

void fillVideoTable(const std::string& file, long count) {
    const auto start = std::chrono::steady_clock::now();
    sqlite3* db = nullptr;
    checkSqlite(sqlite3_open(file.c_str(), &db), db);
    checkSqlite(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    sqlite3_stmt* insert = nullptr;
    checkSqlite(
        sqlite3_prepare_v2(db,
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
        checkSqlite(sqlite3_step(insert), db);
    }
    sqlite3_finalize(insert);
    checkSqlite(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
    std::printf("filled %ld records in %.1f s (%.0f MB file)\n", count,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                double(std::filesystem::file_size(file)) / 1048576.0);
}

} // namespace orupim::bench
