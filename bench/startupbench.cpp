// orupim-bench-startup [RECORDS]: how long the video catalogue's start-up takes beyond its splash pause, on
// an empty table and on one of RECORDS records (1,000,000 by default). Start-up here is what the program does
// before its message loop (the splash, the main window, the about box and the search dialog created, each
// running its creation handler; the pause itself replaced by none) and then the main window shown, whose show
// handler opens and counts the table. Each figure is the best of three runs, each run in a child process of
// its own with Qt on the offscreen platform.
#include "bench/benchsupport.h"
#include "catalogue/mainwindow.h"
#include "catalogue/modulevalues.h"
#include "catalogue/startup.h"
#include "catalogue/videoedition.h"
#include "catalogue/videolayout.h"
#include "platform/db/session.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"
#include "platform/kernel/sleep.h"
#include "platform/ui/application.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace orupim;

// Start-up in this process; answers the start-up's time in microseconds, or -1 when the count is not the
// table's.
long startUp(long records) {
    int argc = 1;
    char name[] = "OruFLX";
    char* argv[] = {name, nullptr};
    QApplication qt(argc, argv);
    kernel::setSleepImplementation([](std::uint32_t) {});
    ui::Application application;
    const auto start = std::chrono::steady_clock::now();
    catalogue::startCatalogue(application, catalogue::videoEdition());
    catalogue::MainWindow->show();
    const auto end = std::chrono::steady_clock::now();
    if (catalogue::TotalCount != records)
        return -1;
    return long(std::chrono::duration_cast<std::chrono::microseconds>(end - start).count());
}

// A program directory holding the video table with `records` records.
void prepare(const std::filesystem::path& directory, long records) {
    std::filesystem::create_directories(directory);
    files::setProgramFileImplementation([program = directory / "OruFLX"] { return program; });
    const std::string drive = files::toDrive(directory);
    db::Session::createTable(drive, catalogue::videoLayout());
    if (records > 0)
        bench::fillVideoTable((directory / "flx.db").string(), records);
}

} // namespace

int main(int argc, char** argv) {
    const long count = bench::countArgument(argc, argv);
    const bench::TemporaryRoot root;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::printf("start-up beyond the splash pause, best of three:\n");
    for (const long records : {0L, count}) {
        prepare(root.path() / ("catalog" + std::to_string(records)), records);
        const bench::Run run = bench::best([records] { return startUp(records); });
        if (run.records < 0) {
            std::fprintf(stderr, "start-up on %ld records failed\n", records);
            return 1;
        }
        std::printf("%9ld records: %7.1f ms (process peak %.1f MB)\n", records, double(run.records) / 1000.0,
                    run.peakKb / 1024.0);
    }
    return 0;
}
