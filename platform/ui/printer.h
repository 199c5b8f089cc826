// The default printer's object, as the class library gave it: begin a job under its title, write on its
// canvas page by page, end it (or abort it). One job at a time; the canvas's font stays the object's from job
// to job, so a size set for one page is the size the next page starts with.
#pragma once

#include "platform/ui/printercanvas.h"

#include <memory>
#include <string>

namespace orupim::ui {

class PrintJob;

class Printer {
public:
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    bool printing() const { return job_ != nullptr; }
    // The name the print queue shows for the next job.
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    // A new document with its first page. Raises "Printing in progress" while a job is open and "There is no
    // default printer currently selected" when there is none.
    void beginDoc();
    // Ends the current page and starts the next one.
    void newPage();
    // Sends the pages and closes the job; the job is closed also when sending fails.
    void endDoc();
    // Closes the job without sending it; nothing when no job is open.
    void abort();

    PrinterCanvas& canvas() { return canvas_; }
    // The printable area of a page of the job in progress, in device units.
    int pageWidth() const;
    int pageHeight() const;

private:
    const PrintJob& job() const; // raises "Printer is not currently printing" when there is none
    std::string title_;
    std::unique_ptr<PrintJob> job_;
    PrinterCanvas canvas_;
};

// The one printer object of the process.
Printer& printer();

// Frees the printer object (an open job is abandoned); the next `printer()` makes a new one, as a new process
// would.
void resetPrinterForTesting();

} // namespace orupim::ui
