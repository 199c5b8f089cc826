#include "platform/testing/printerrecorder.h"

#include "platform/core/errors.h"
#include "platform/ui/printer.h"

#include <algorithm>

namespace orupim::testing {
namespace {

class RecordedJob : public ui::PrintJob {
public:
    RecordedJob(PrinterRecorder& recorder, std::size_t index) : recorder_(recorder), index_(index) {}

    int pixelsPerInch() const override { return recorder_.pixelsPerInch; }
    int pageWidth() const override { return inDeviceUnits(recorder_.pageWidthInches); }
    int pageHeight() const override { return inDeviceUnits(recorder_.pageHeightInches); }

    // Half an em per character (a UTF-8 sequence counts once).
    int textWidth(std::string_view text, const ui::PrintFontChoice& font) const override {
        const auto characters = std::count_if(
            text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
        return static_cast<int>(characters * font.size * recorder_.pixelsPerInch / 144);
    }

    void textOut(int x, int y, std::string_view text, const ui::PrintFontChoice& font) override {
        auto& texts = job().texts;
        if (recorder_.failAtText && *recorder_.failAtText == written_)
            throw PrinterError("Printer failed");
        ++written_;
        texts.push_back({x, y, std::string(text), font.size, job().pages - 1});
    }
    void newPage() override { ++job().pages; }
    void end() override { job().ended = true; }
    void abort() override { job().aborted = true; }

private:
    PrinterRecorder::Job& job() { return recorder_.jobs[index_]; }

    int inDeviceUnits(double inches) const {
        return static_cast<int>(inches * recorder_.pixelsPerInch + 0.5);
    }

    PrinterRecorder& recorder_;
    std::size_t index_;
    std::size_t written_ = 0;
};

} // namespace

PrinterRecorder::PrinterRecorder()
    : replacement_(ui::setPrintJobImplementation,
                   [this](const std::string& title) -> std::unique_ptr<ui::PrintJob> {
                       if (!hasDefaultPrinter)
                           return nullptr;
                       jobs.emplace_back();
                       jobs.back().title = title;
                       return std::make_unique<RecordedJob>(*this, jobs.size() - 1);
                   }) {
    ui::resetPrinterForTesting();
}

// The printer object goes before the job implementation is put back.
PrinterRecorder::~PrinterRecorder() {
    ui::resetPrinterForTesting();
}

std::ostream& operator<<(std::ostream& out, const PrinterRecorder::TextOut& text) {
    return out << "{" << text.x << ", " << text.y << ", \"" << text.text << "\", " << text.fontSize
               << ", page " << text.page << "}";
}

} // namespace orupim::testing
