// What the benchmark programs share: running a measurement in a child process of its own (so that its peak
// memory is its own), the best of three runs, and a video table filled with generated records.
#pragma once

#include <functional>
#include <sqlite3.h>
#include <string>

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

// The records asked for on the command line, 1,000,000 when none.
long recordsArgument(int argc, char** argv);
// A new temporary directory made the platform root (ORUPIM_ROOT); empty when it cannot be made.
std::string makePlatformRoot();

// Ends the program with SQLite's message when `rc` is an error.
void checkSqlite(int rc, sqlite3* db);

// Adds `count` generated records to the empty video table in `file`.
void fillVideoTable(const std::string& file, long count);

} // namespace orupim::bench
