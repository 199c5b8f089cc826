#include "platform/ui/printjob.h"

#include "platform/core/replaceable.h"
#include "platform/ui/hostprintjob.h"

namespace orupim::ui {
namespace {

Replaceable<std::unique_ptr<PrintJob>(const std::string&)>& opener() {
    static Replaceable<std::unique_ptr<PrintJob>(const std::string&)> implementation(openHostPrintJob);
    return implementation;
}

} // namespace

std::unique_ptr<PrintJob> openPrintJob(const std::string& title) {
    return opener()(title);
}

PrintJobFunction setPrintJobImplementation(PrintJobFunction implementation) {
    return opener().replace(std::move(implementation));
}

} // namespace orupim::ui
