// Stores under faults: writer processes killed with SIGKILL at random moments of their writes, and writer
// processes changing one store at the same time. A store is described by how a process writes one value to
// it and how the values it holds are read back; the harness counts damaged files, confirmed values lost and
// temporary files left. Every writer is a forked child, killed or ended and reaped before a function returns.
#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace orupim::test {

struct StoreUnderTest {
    std::string name;
    // Called once in each writer process; answers the function that writes one value and says whether the
    // store confirmed it (a writer keeps a session or object for all its writes, as a program would).
    std::function<std::function<bool(int value)>()> makeWriter;
    // The values the store holds now; throws when the store does not read whole.
    std::function<std::set<int>()> values;
    // The store's file, beside which its temporary files are made.
    std::filesystem::path file;
};

struct KillFigures {
    int kills = 0;
    int damaged = 0;               // reads of the store that failed after a kill
    int lost = 0;                  // values a killed writer had confirmed that the store did not hold
    int confirmed = 0;             // values confirmed in all
    int temporariesAfterKills = 0; // left beside the store by the kills, summed over them
    int temporariesLeft = 0;       // after the next write of the store
};

// Kills a writer `kills` times, each after a different short delay, checking the store after each kill, then
// writes once more from this process.
KillFigures killWritersRepeatedly(const StoreUnderTest& store, int kills);

struct ConcurrencyFigures {
    int writers = 0;
    int written = 0;
    int failed = 0; // writes the store did not confirm
    int lost = 0;
};

// Starts `writers` processes at once, each writing `valuesEach` values of its own.
ConcurrencyFigures writeConcurrently(const StoreUnderTest& store, int writers, int valuesEach);

// The checks every store passes: after `kills` killed writers nothing damaged, no confirmed value lost, some
// value confirmed, no temporary file left after the next write; `writers` concurrent writers of `valuesEach`
// values each lose nothing and fail nothing.
void expectKilledWritersHarmNothing(const StoreUnderTest& store, int kills = 30);
void expectConcurrentWritersLoseNothing(const StoreUnderTest& store, int writers = 8, int valuesEach = 25);

// A name for the running test's own store, so that the cases of a program never share one.
std::string storeNameOfThisTest();

// The temporary files ("<file>.tmpXXXXXX") beside a store's file.
int temporaryFilesOf(const std::filesystem::path& file);

} // namespace orupim::test
