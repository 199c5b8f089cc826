// Print jobs on the host: the default printer is a PDF file when <root>/printer.ini names one
// ([Printer], PdfFile=<host path>, relative to the root when not absolute), else the default queue of the
// host's print service; without either there is no default printer. The file is created on first use with an
// empty PdfFile. The named PDF wins over a print queue, so that a user (or a test) that asks for a file never
// prints on paper. Either way the pages are drawn into a PDF at the printer's resolution and page: a queue
// gets that PDF, under the job's title, when the job ends.
#pragma once

#include "platform/ui/printjob.h"

#include <filesystem>
#include <optional>

namespace orupim::ui {

// The output PDF the settings name, if any.
std::optional<std::filesystem::path> configuredPdfFile();

// Opens a job on the host's default printer as described above; nullptr when there is none. Raises
// PrinterError when the print service cannot be reached or does not answer, FileOpenError when the named PDF
// cannot be written.
std::unique_ptr<PrintJob> openHostPrintJob(const std::string& title);

} // namespace orupim::ui
