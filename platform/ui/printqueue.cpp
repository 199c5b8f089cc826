#include "platform/ui/printqueue.h"

#include "platform/core/errors.h"
#include "platform/files/localsocket.h"

#include <QMarginsF>
#include <QPageSize>
#include <QSizeF>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <cups/cups.h>
#include <unistd.h>

namespace orupim::ui {
namespace {

// A queue that states no resolution gets the one of a common office laser printer.
constexpr int FallbackPixelsPerInch = 600;

// libcups calls this when a wait ends without an answer; 0 gives up instead of waiting again.
int giveUp(http_t*, void*) {
    return 0;
}

PrinterError serviceSilent() {
    return PrinterError("The print service did not answer within " +
                        std::to_string(PrintServiceAnswerSeconds) + " seconds; nothing was printed");
}

// Why no connection to a local server's socket can be made ("" when one can, or for a network server): the
// client library's own connect closes its socket before it returns, which loses the reason, so a local socket
// is tried once more here. A network server is not tried twice, as that could double the wait.
std::string connectFailure(const std::string& server) {
    if (server.empty() || server.front() != '/')
        return {};
    const files::LocalConnection connection =
        files::connectLocalSocket(server, std::chrono::steady_clock::now());
    if (connection.socket < 0)
        return std::strerror(connection.error);
    ::close(connection.socket);
    return {};
}

// One connection to the print service, every wait on it bounded.
class Connection {
public:
    Connection() {
        const std::string server = cupsServer();
        http_ = httpConnect2(server.c_str(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             PrintServiceAnswerSeconds * 1000, nullptr);
        if (!http_) {
            const std::string reason = connectFailure(server);
            throw PrinterError("The print service at " + server + " cannot be reached" +
                               (reason.empty() ? std::string() : " (" + reason + ")"));
        }
        httpSetTimeout(http_, PrintServiceAnswerSeconds, giveUp, nullptr);
    }
    ~Connection() { httpClose(http_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    http_t* get() const { return http_; }
    bool timedOut() const { return httpError(http_) == ETIMEDOUT; }

private:
    http_t* http_ = nullptr;
};

struct DestinationDeleter {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct DestinationInfoDeleter {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};

int queueResolution(const Connection& connection, cups_dest_t* dest, cups_dinfo_t* info) {
    ipp_attribute_t* resolution =
        info ? cupsFindDestDefault(connection.get(), dest, info, "printer-resolution") : nullptr;
    if (!resolution)
        return FallbackPixelsPerInch;
    int vertical = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    ippGetResolution(resolution, 0, &vertical, &units);
    if (units == IPP_RES_PER_CM)
        vertical = static_cast<int>(vertical * 2.54 + 0.5);
    return vertical > 0 ? vertical : FallbackPixelsPerInch;
}

QPageLayout queuePage(const Connection& connection, cups_dest_t* dest, cups_dinfo_t* info) {
    cups_size_t size{};
    if (!info || !cupsGetDestMediaDefault(connection.get(), dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &size) ||
        size.width <= 0 || size.length <= 0)
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    // The service gives sizes in hundredths of a millimetre.
    const QPageSize page(QSizeF(size.width / 100.0, size.length / 100.0), QPageSize::Millimeter);
    const QMarginsF margins(size.left / 100.0, size.top / 100.0, size.right / 100.0, size.bottom / 100.0);
    return QPageLayout(page, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

// The printer's state message when it is stopped; nullopt when it is not (or does not say).
std::optional<std::string> stoppedReason(const Connection& connection, const std::string& name) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     name.c_str());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-state", "printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    ipp_t* response = cupsDoRequest(connection.get(), request, "/");
    std::optional<std::string> reason;
    ipp_attribute_t* state = response ? ippFindAttribute(response, "printer-state", IPP_TAG_ENUM) : nullptr;
    if (state && ippGetInteger(state, 0) == IPP_PSTATE_STOPPED) {
        ipp_attribute_t* message = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
        const char* text = message ? ippGetString(message, 0, nullptr) : nullptr;
        reason = text ? text : "";
    }
    ippDelete(response);
    return reason;
}

} // namespace

std::optional<PrintQueue> defaultPrintQueue() {
    Connection connection;
    std::unique_ptr<cups_dest_t, DestinationDeleter> dest(
        cupsGetNamedDest(connection.get(), nullptr, nullptr));
    if (!dest) {
        if (connection.timedOut())
            throw serviceSilent();
        const ipp_status_t status = cupsLastError();
        if (status <= IPP_STATUS_OK_EVENTS_COMPLETE || status == IPP_STATUS_ERROR_NOT_FOUND)
            return std::nullopt;
        throw PrinterError(std::string("The print service could not name its default printer: ") +
                           cupsLastErrorString());
    }
    std::unique_ptr<cups_dinfo_t, DestinationInfoDeleter> info(
        cupsCopyDestInfo(connection.get(), dest.get()));
    if (!info && connection.timedOut())
        throw serviceSilent();
    PrintQueue queue;
    queue.name = dest->name;
    queue.pixelsPerInch = queueResolution(connection, dest.get(), info.get());
    queue.page = queuePage(connection, dest.get(), info.get());
    return queue;
}

void sendToPrintQueue(const PrintQueue& queue, const std::filesystem::path& pdf, const std::string& title) {
    Connection connection;
    const int job =
        cupsPrintFile2(connection.get(), queue.name.c_str(), pdf.c_str(), title.c_str(), 0, nullptr);
    if (job <= 0) {
        if (connection.timedOut())
            throw serviceSilent();
        throw PrinterError("The printer " + queue.name + " did not take the job: " + cupsLastErrorString());
    }
    // A stopped printer takes jobs and keeps them: the user is told, so the page is not waited for in vain.
    const std::optional<std::string> stopped = stoppedReason(connection, queue.name);
    if (stopped)
        throw PrinterError("The printer " + queue.name +
                           " is stopped; the job waits in its queue until the printer is started again" +
                           (stopped->empty() ? std::string() : " (" + *stopped + ")"));
}

} // namespace orupim::ui
