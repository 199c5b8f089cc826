// Print jobs on the host: the default printer is a PDF file when <root>/printer.ini names one
// ([Printer], PdfFile=<host path>, relative to the root when not absolute), else the host's default printer;
// without either there is no default printer. The file is created on first use with an empty PdfFile. The
// named PDF wins over a host printer, so that a user (or a test) that asks for a file never prints on paper.
#pragma once

#include "platform/ui/printjob.h"

#include <filesystem>
#include <optional>

namespace orupim::ui {

// The output PDF the settings name, if any.
std::optional<std::filesystem::path> configuredPdfFile();

// Opens a job on the host's default printer as described above; nullptr when there is none.
std::unique_ptr<PrintJob> openHostPrintJob();

} // namespace orupim::ui
