// One job on the default printer, as the printer object drives it: its pages, text at a point of the page in
// a font of a given size, the width a text takes, then the end that sends the job, or an abort that sends
// nothing. Opening a job goes through a replaceable implementation: the host's (see hostprintjob.h) by
// default, a recorder in tests.
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
    // The page's resolution, in device units (pixels) per inch.
    virtual int pixelsPerInch() const = 0;
    // The printable area of a page, in device units.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    // The width that `text` takes on one line in `font`, in device units.
    virtual int textWidth(std::string_view text, const PrintFontChoice& font) const = 0;
    // Writes `text` on one line with the top-left corner of its cell at (x, y), in device units from the
    // top-left corner of the printable area of the current page.
    virtual void textOut(int x, int y, std::string_view text, const PrintFontChoice& font) = 0;
    // Ends the current page and starts the next one.
    virtual void newPage() = 0;
    // Ends the job and sends its pages; raises PrinterError with the reason when they cannot be sent.
    virtual void end() = 0;
    // Ends the job without sending what it holds.
    virtual void abort() = 0;
};

// Opens a job named `title` (the name the print queue shows for it).
using PrintJobFunction = std::function<std::unique_ptr<PrintJob>(const std::string& title)>;

// Begins a job on the default printer, with its first page; nullptr when there is no default printer.
std::unique_ptr<PrintJob> openPrintJob(const std::string& title);

// Makes openPrintJob call `implementation` instead; an empty function brings back the host's. Answers the
// implementation it replaces (empty for the host's).
PrintJobFunction setPrintJobImplementation(PrintJobFunction implementation);

} // namespace orupim::ui
