#include "platform/ui/hostprintjob.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"
#include "platform/files/platformroot.h"
#include "platform/files/settingsfile.h"
#include "platform/ui/qtext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace orupim::ui {
namespace {

constexpr const char* PrinterSection = "Printer";
constexpr const char* PdfFileKey = "PdfFile";
// A PDF page is laid out at the resolution of a common office printer.
constexpr int PdfResolution = 300;

std::string defaultPrinterFile() {
    return std::string("[") + PrinterSection + "]\r\n" + PdfFileKey + "=\r\n";
}

class HostPrintJob : public PrintJob {
public:
    explicit HostPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

    // Raises an error naming what could not be opened.
    void begin(const std::optional<std::filesystem::path>& pdfFile) {
        if (!painter_.begin(printer_.get())) {
            if (pdfFile)
                throw FileOpenError(pdfFile->string());
            throw PrinterError::invalidPrinter();
        }
    }

    ~HostPrintJob() override {
        if (painter_.isActive())
            painter_.end();
    }

    int pixelsPerInch() const override { return printer_->logicalDpiY(); }

    void textOut(int x, int y, std::string_view text, const PrintFontChoice& wanted) override {
        QFont font = wanted.name.empty() ? QFont() : QFont(toQString(wanted.name));
        font.setPointSize(wanted.size > 0 ? wanted.size : 1);
        painter_.setFont(font);
        // The old canvas places the top of the text's cell at y; Qt places its base line there.
        painter_.drawText(x, y + painter_.fontMetrics().ascent(), toQString(text));
    }

    void end() override {
        if (!painter_.end())
            throw PrinterError::invalidPrinter();
    }

    void abort() override {
        printer_->abort();
        if (painter_.isActive())
            painter_.end();
    }

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};

} // namespace

std::optional<std::filesystem::path> configuredPdfFile() {
    const std::filesystem::path file = files::platformRoot() / "printer.ini";
    files::createSettingsFile(file, defaultPrinterFile);
    const auto entries = files::readSettingsSection(file, PrinterSection);
    if (!entries)
        return std::nullopt;
    for (const auto& [key, value] : *entries)
        if (equalsIgnoreCase(key, PdfFileKey)) {
            if (value.empty())
                return std::nullopt;
            std::filesystem::path path(value);
            return path.is_absolute() ? path : files::platformRoot() / path;
        }
    return std::nullopt;
}

std::unique_ptr<PrintJob> openHostPrintJob() {
    const std::optional<std::filesystem::path> pdfFile = configuredPdfFile();
    std::unique_ptr<QPrinter> printer;
    if (pdfFile) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(pdfFile->string()));
        printer->setResolution(PdfResolution);
    } else {
        const QPrinterInfo host = QPrinterInfo::defaultPrinter();
        if (host.isNull())
            return nullptr;
        printer = std::make_unique<QPrinter>(host, QPrinter::HighResolution);
    }
    auto job = std::make_unique<HostPrintJob>(std::move(printer));
    job->begin(pdfFile);
    return job;
}

} // namespace orupim::ui
