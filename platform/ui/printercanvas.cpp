#include "platform/ui/printercanvas.h"

#include "platform/core/errors.h"
#include "platform/ui/printjob.h"

namespace orupim::ui {

void PrinterCanvas::textOut(int x, int y, std::string_view text) {
    if (!job_)
        throw PrinterError::notPrinting();
    job_->textOut(x, y, text, {font_.name(), font_.size()});
}

int PrinterCanvas::textWidth(std::string_view text) const {
    if (!job_)
        throw PrinterError::notPrinting();
    return job_->textWidth(text, {font_.name(), font_.size()});
}

} // namespace orupim::ui
