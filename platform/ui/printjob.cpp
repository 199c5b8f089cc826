#include "platform/ui/printjob.h"

#include "platform/core/replaceable.h"
#include "platform/ui/hostprintjob.h"

namespace orupim::ui {
namespace {

Replaceable<std::unique_ptr<PrintJob>()>& opener() {
    static Replaceable<std::unique_ptr<PrintJob>()> implementation(openHostPrintJob);
    return implementation;
}

} // namespace

std::unique_ptr<PrintJob> openPrintJob() {
    return opener()();
}

PrintJobFunction setPrintJobImplementation(PrintJobFunction implementation) {
    return opener().replace(std::move(implementation));
}

} // namespace orupim::ui
