#include "platform/ui/hostprintjob.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"
#include "platform/files/platformroot.h"
#include "platform/files/settingsfile.h"
#include "platform/ui/printqueue.h"
#include "platform/ui/qtext.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <cmath>

namespace orupim::ui {
namespace {

constexpr const char* PrinterSection = "Printer";
constexpr const char* PdfFileKey = "PdfFile";
// A PDF file is laid out at the resolution of a common office printer, on the locale's paper, with the whole
// page printable.
constexpr int PdfResolution = 300;

std::string defaultPrinterFile() {
    return std::string("[") + PrinterSection + "]\r\n" + PdfFileKey + "=\r\n";
}

QPageLayout pdfFilePage() {
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF());
}

QFont qtFont(const PrintFontChoice& wanted) {
    QFont font = wanted.name.empty() ? QFont() : QFont(toQString(wanted.name));
    font.setPointSize(wanted.size > 0 ? wanted.size : 1);
    return font;
}

// A job drawn into a PDF: written to a file that stays, or to a temporary file that goes to a print queue
// when the job ends. The job takes places in the printer's device units, but draws and measures at one fixed
// resolution: a font's size is rounded to whole pixels of the resolution it is drawn at, so drawing at each
// printer's own would make a line of text a little wider on one printer than on another.
class PdfPrintJob : public PrintJob {
public:
    static constexpr int DrawingResolution = 1200;

    PdfPrintJob(std::unique_ptr<QFile> output, int pixelsPerInch, const QPageLayout& page,
                const std::string& title, std::optional<PrintQueue> queue)
        : output_(std::move(output)), writer_(output_.get()), pixelsPerInch_(pixelsPerInch), title_(title),
          queue_(std::move(queue)) {
        writer_.setResolution(DrawingResolution);
        writer_.setPageLayout(page);
        writer_.setTitle(toQString(title));
        painter_.begin(&writer_);
    }

    ~PdfPrintJob() override {
        if (painter_.isActive())
            painter_.end();
    }

    int pixelsPerInch() const override { return pixelsPerInch_; }
    int pageWidth() const override { return toDevice(writer_.width()); }
    int pageHeight() const override { return toDevice(writer_.height()); }

    int textWidth(std::string_view text, const PrintFontChoice& font) const override {
        const QFontMetricsF metrics(qtFont(font), const_cast<QPdfWriter*>(&writer_));
        return static_cast<int>(
            std::ceil(metrics.horizontalAdvance(toQString(text)) * pixelsPerInch_ / DrawingResolution));
    }

    void textOut(int x, int y, std::string_view text, const PrintFontChoice& font) override {
        painter_.setFont(qtFont(font));
        // The old canvas places the top of the text's cell at y; Qt places its base line there.
        const double scale = static_cast<double>(DrawingResolution) / pixelsPerInch_;
        painter_.drawText(QPointF(x * scale, y * scale + QFontMetricsF(painter_.font(), &writer_).ascent()),
                          toQString(text));
    }

    void newPage() override { writer_.newPage(); }

    void end() override {
        if (!painter_.end() || !output_->flush())
            throw PrinterError::invalidPrinter();
        output_->close();
        if (queue_)
            sendToPrintQueue(*queue_, output_->fileName().toStdString(), title_);
    }

    void abort() override {
        if (painter_.isActive())
            painter_.end();
        output_->remove();
    }

private:
    int toDevice(int drawingUnits) const {
        return static_cast<int>(static_cast<long>(drawingUnits) * pixelsPerInch_ / DrawingResolution);
    }

    std::unique_ptr<QFile> output_;
    QPdfWriter writer_;
    int pixelsPerInch_;
    QPainter painter_;
    std::string title_;
    std::optional<PrintQueue> queue_;
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

std::unique_ptr<PrintJob> openHostPrintJob(const std::string& title) {
    if (const std::optional<std::filesystem::path> pdfFile = configuredPdfFile()) {
        auto output = std::make_unique<QFile>(QString::fromStdString(pdfFile->string()));
        if (!output->open(QIODevice::WriteOnly))
            throw FileOpenError(pdfFile->string());
        return std::make_unique<PdfPrintJob>(std::move(output), PdfResolution, pdfFilePage(), title,
                                             std::nullopt);
    }
    std::optional<PrintQueue> queue = defaultPrintQueue();
    if (!queue)
        return nullptr;
    auto output = std::make_unique<QTemporaryFile>();
    if (!output->open())
        throw PrinterError("Cannot make the print file: " + output->errorString().toStdString());
    const int pixelsPerInch = queue->pixelsPerInch;
    const QPageLayout page = queue->page;
    return std::make_unique<PdfPrintJob>(std::move(output), pixelsPerInch, page, title, std::move(queue));
}

} // namespace orupim::ui
