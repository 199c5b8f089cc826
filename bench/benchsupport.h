// What the benchmark programs share: running a measurement in a child process of its own (so that its peak
// memory is its own), the best of three runs, the count asked for on the command line, a temporary platform
// root, and a video table filled with generated records.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

struct sqlite3;

namespace orupim::bench {

struct Run {
    double seconds = 0;
    long peakKb = 0;
    long records = 0;
};

// Runs `work` in a child process; it answers the records it saw. Gives the time it took and its peak memory.
Run inChild(const std::function<long()>& work);
// The fastest of three runs of `work`, with the highest peak memory of the three.
Run best(const std::function<long()>& work);
// The seconds of the fastest of three runs of `work` in this process.
double bestSeconds(const std::function<void()>& work);

// The count asked for on the command line (records, keys), `fallback` when none.
long countArgument(int argc, char** argv, long fallback = 1000000);

// A new temporary directory made the platform root (ORUPIM_ROOT) while the object lives, then removed with
// all it holds. A measuring child ends without removing it. Ends the program when no directory can be made.
class TemporaryRoot {
public:
    TemporaryRoot();
    ~TemporaryRoot();
    TemporaryRoot(const TemporaryRoot&) = delete;
    TemporaryRoot& operator=(const TemporaryRoot&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Ends the program with SQLite's message when `rc` is an error.
void checkSqlite(int rc, sqlite3* db);

// Adds `count` generated records to the empty video table in `file`.
void fillVideoTable(const std::string& file, long count);

} // namespace orupim::bench
