// The host's print service (CUPS): its default queue, with the queue's page, printable area and resolution,
// and sending a finished PDF to it as a named job. Every wait for the service is bounded, so a service that
// does not answer costs the window a few seconds and gives an error saying so.
#pragma once

#include <QPageLayout>
#include <filesystem>
#include <optional>
#include <string>

namespace orupim::ui {

// How long one request may wait for the print service.
constexpr int PrintServiceAnswerSeconds = 5;

struct PrintQueue {
    std::string name;
    int pixelsPerInch = 0;
    QPageLayout page; // the queue's default medium and the margins outside its printable area
};

// The default queue; nullopt when the service names none. Raises PrinterError when the service cannot be
// reached or does not answer in time.
std::optional<PrintQueue> defaultPrintQueue();

// Sends `pdf` to the queue as one job named `title`. Raises PrinterError with the service's reason when the
// job is refused or cannot be sent, and when the printer is stopped (the job then waits in the queue).
void sendToPrintQueue(const PrintQueue& queue, const std::filesystem::path& pdf, const std::string& title);

} // namespace orupim::ui
