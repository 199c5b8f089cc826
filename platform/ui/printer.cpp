#include "platform/ui/printer.h"

#include "platform/core/errors.h"
#include "platform/ui/printjob.h"

namespace orupim::ui {

Printer::Printer() = default;

Printer::~Printer() {
    abort();
}

void Printer::beginDoc() {
    if (job_)
        throw PrinterError::printing();
    std::unique_ptr<PrintJob> job = openPrintJob(title_);
    if (!job)
        throw PrinterError::noDefaultPrinter();
    job_ = std::move(job);
    canvas_.job_ = job_.get();
    canvas_.font_.setPixelsPerInch(job_->pixelsPerInch());
}

void Printer::newPage() {
    if (!job_)
        throw PrinterError::notPrinting();
    job_->newPage();
}

const PrintJob& Printer::job() const {
    if (!job_)
        throw PrinterError::notPrinting();
    return *job_;
}

int Printer::pageWidth() const {
    return job().pageWidth();
}

int Printer::pageHeight() const {
    return job().pageHeight();
}

void Printer::endDoc() {
    if (!job_)
        throw PrinterError::notPrinting();
    std::unique_ptr<PrintJob> job = std::move(job_);
    canvas_.job_ = nullptr;
    job->end();
}

void Printer::abort() {
    if (!job_)
        return;
    std::unique_ptr<PrintJob> job = std::move(job_);
    canvas_.job_ = nullptr;
    job->abort();
}

namespace {

std::unique_ptr<Printer>& theObject() {
    static std::unique_ptr<Printer> object;
    return object;
}

} // namespace

Printer& printer() {
    if (!theObject())
        theObject() = std::make_unique<Printer>();
    return *theObject();
}

void resetPrinterForTesting() {
    theObject().reset();
}

} // namespace orupim::ui
