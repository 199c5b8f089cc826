// One job on the default printer, as the printer object drives it: text at a point of the page in a font of
// a given size, then the end that sends the page, or an abort that sends nothing. Opening a job goes
// through a replaceable implementation: the host's (see hostprintjob.h) by default, a recorder in tests.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orupim::ui {

// The font a text is written in: a family name (empty: the platform's default) and a size in points.
struct PrintFontChoice {
    std::string name;
    int size = 0;
};

class PrintJob {
public:
    virtual ~PrintJob() = default;
    // The page's vertical resolution, in device units (pixels) per inch.
    virtual int pixelsPerInch() const = 0;
    // Writes `text` on one line with the top-left corner of its cell at (x, y), in device units from the
    // top-left corner of the printable area.
    virtual void textOut(int x, int y, std::string_view text, const PrintFontChoice& font) = 0;
    // Ends the job and sends the page.
    virtual void end() = 0;
    // Ends the job without sending what it holds.
    virtual void abort() = 0;
};

using PrintJobFunction = std::function<std::unique_ptr<PrintJob>()>;

// Begins a job of one page on the default printer; nullptr when there is no default printer.
std::unique_ptr<PrintJob> openPrintJob();

// Makes openPrintJob call `implementation` instead; an empty function brings back the host's. Answers the
// implementation it replaces (empty for the host's).
PrintJobFunction setPrintJobImplementation(PrintJobFunction implementation);

} // namespace orupim::ui
