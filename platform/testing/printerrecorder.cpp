#include "platform/testing/printerrecorder.h"

#include "platform/core/errors.h"
#include "platform/ui/printer.h"

namespace orupim::testing {
namespace {

class RecordedJob : public ui::PrintJob {
public:
    RecordedJob(PrinterRecorder& recorder, std::size_t index) : recorder_(recorder), index_(index) {}

    int pixelsPerInch() const override { return recorder_.pixelsPerInch; }

    void textOut(int x, int y, std::string_view text, const ui::PrintFontChoice& font) override {
        auto& texts = job().texts;
        if (recorder_.failAtText && *recorder_.failAtText == written_)
            throw PrinterError("Printer failed");
        ++written_;
        texts.push_back({x, y, std::string(text), font.size});
    }
    void end() override { job().ended = true; }
    void abort() override { job().aborted = true; }

private:
    PrinterRecorder::Job& job() { return recorder_.jobs[index_]; }

    PrinterRecorder& recorder_;
    std::size_t index_;
    std::size_t written_ = 0;
};

} // namespace

PrinterRecorder::PrinterRecorder()
    : previous_(ui::setPrintJobImplementation([this]() -> std::unique_ptr<ui::PrintJob> {
          if (!hasDefaultPrinter)
              return nullptr;
          jobs.emplace_back();
          return std::make_unique<RecordedJob>(*this, jobs.size() - 1);
      })) {
    ui::resetPrinterForTesting();
}

PrinterRecorder::~PrinterRecorder() {
    ui::resetPrinterForTesting();
    ui::setPrintJobImplementation(std::move(previous_));
}

std::ostream& operator<<(std::ostream& out, const PrinterRecorder::TextOut& text) {
    return out << "{" << text.x << ", " << text.y << ", \"" << text.text << "\", " << text.fontSize << "}";
}

} // namespace orupim::testing
