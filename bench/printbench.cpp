// orupim-bench-print: how long Print Record can hold the window, measured on the platform's printer in a
// temporary platform root:
//   - a print service that takes the connection and never answers (a socket that listens and reads nothing):
//     the time until beginDoc gives up with its message;
//   - a print service that is not there (no socket): the same;
//   - laying out and writing a PDF page with a Notes value of 64 KiB in words, wrapped at the value's column
//     over as many pages as it needs (the catalogue's own line breaking, the PDF output's measuring).
// Each figure is the best of three runs.
#include "bench/benchsupport.h"
#include "catalogue/printedlines.h"
#include "platform/core/errors.h"
#include "platform/files/localsocket.h"
#include "platform/ui/printer.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cups/cups.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using namespace orupim;

// beginDoc on the service at `server`; answers the error it gave.
std::string printOn(const std::filesystem::path& server) {
    cupsSetServer(server.c_str());
    try {
        ui::printer().beginDoc();
        ui::printer().abort();
        return "a job began";
    } catch (const Error& error) {
        return error.message();
    }
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const bench::TemporaryRoot temporaryRoot;
    const std::filesystem::path& root = temporaryRoot.path();
    QGuiApplication application(argc, argv);

    const std::filesystem::path silent = root / "silent.sock";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const std::optional<sockaddr_un> address = files::localSocketAddress(silent);
    if (!address || ::bind(listener, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
        ::listen(listener, 8) != 0)
        return 1;
    std::string message;
    const double silentSeconds = bench::bestSeconds([&] { message = printOn(silent); });
    std::printf("service that never answers: %.2f s (\"%s\")\n", silentSeconds, message.c_str());
    const double missingSeconds = bench::bestSeconds([&] { message = printOn(root / "missing.sock"); });
    std::printf("service that is not there:  %.4f s (\"%s\")\n", missingSeconds, message.c_str());
    ::close(listener);

    std::ofstream(root / "printer.ini", std::ios::binary) << "[Printer]\r\nPdfFile=page.pdf\r\n";
    std::string notes;
    while (notes.size() < 64 * 1024)
        notes += "word" + std::to_string(notes.size() % 997) + " ";
    int pages = 0;
    const double pdfSeconds = bench::bestSeconds([&] {
        ui::Printer& printer = ui::printer();
        printer.beginDoc();
        ui::PrinterCanvas& canvas = printer.canvas();
        canvas.font().setSize(10);
        const int room = printer.pageWidth() - 720;
        const auto lines =
            catalogue::printedLines(notes, room, [&](std::string_view t) { return canvas.textWidth(t); });
        pages = 1;
        int y = 152;
        for (const std::string& line : lines) {
            if (y + 42 > printer.pageHeight() - 80) {
                printer.newPage();
                ++pages;
                y = 152;
            }
            canvas.textOut(560, y, line);
            y += 72;
        }
        printer.endDoc();
    });
    std::printf("64 KiB of Notes on a PDF:   %.3f s (%d pages)\n", pdfSeconds, pages);
    return 0;
}
