// The default printer's object, as the class library gave it: begin a job, write on its canvas, end it (or
// abort it). One job at a time; the canvas's font stays the object's from job to job, so a size set for one
// page is the size the next page starts with.
#pragma once

#include "platform/ui/printercanvas.h"

#include <memory>

namespace orupim::ui {

class PrintJob;

class Printer {
public:
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    bool printing() const { return job_ != nullptr; }
    // A new document with its first page. Raises "Printing in progress" while a job is open and "There is no
    // default printer currently selected" when there is none.
    void beginDoc();
    // Sends the page and closes the job; the job is closed also when sending fails.
    void endDoc();
    // Closes the job without sending it; nothing when no job is open.
    void abort();

    PrinterCanvas& canvas() { return canvas_; }

private:
    std::unique_ptr<PrintJob> job_;
    PrinterCanvas canvas_;
};

// The one printer object of the process.
Printer& printer();

// Frees the printer object (an open job is abandoned); the next `printer()` makes a new one, as a new process
// would.
void resetPrinterForTesting();

} // namespace orupim::ui
