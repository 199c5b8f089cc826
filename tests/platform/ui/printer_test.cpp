// The printer object: the font height rule, one job at a time under its title, pages, widths, the errors of a
// missing printer and of a canvas without a job, a job that is abandoned, and the host's PDF printer named in
// printer.ini.
#include "pdfwords.h"
#include "platform/core/errors.h"
#include "platform/files/platformroot.h"
#include "platform/testing/printerrecorder.h"
#include "platform/ui/hostprintjob.h"
#include "platform/ui/printer.h"
#include "temproot.h"

#include <fstream>
#include <gtest/gtest.h>

namespace orupim::ui {
namespace {

using Recorded = orupim::testing::PrinterRecorder::TextOut;

void writePrinterSettings(const std::string& text) {
    std::ofstream(files::platformRoot() / "printer.ini", std::ios::binary) << text;
}

std::string fileStart(const std::filesystem::path& file, std::size_t length) {
    std::ifstream in(file, std::ios::binary);
    std::string start(length, '\0');
    in.read(start.data(), static_cast<std::streamsize>(length));
    start.resize(static_cast<std::size_t>(in.gcount()));
    return start;
}

TEST(PrinterFont, HeightIsMinusThePointSizeInDeviceUnitsRounded) {
    struct Case {
        int size;
        int pixelsPerInch;
        int height;
    } cases[] = {{10, 300, -42}, {10, 600, -83}, {8, 300, -33}, {10, 72, -10}, {9, 96, -12}, {0, 300, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + " at " + std::to_string(c.pixelsPerInch));
        PrinterFont font;
        font.setSize(c.size);
        font.setPixelsPerInch(c.pixelsPerInch);
        EXPECT_EQ(font.height(), c.height);
    }
}

TEST(Printer, WritesOneJobAtATimeInTheCanvasFont) {
    orupim::testing::PrinterRecorder recorder;
    recorder.pixelsPerInch = 600;
    Printer printer;
    EXPECT_FALSE(printer.printing());
    printer.setTitle("FLX Record - Metropolis");
    printer.beginDoc();
    EXPECT_TRUE(printer.printing());
    EXPECT_EQ(printer.canvas().font().pixelsPerInch(), 600);
    EXPECT_EQ(printer.pageWidth(), 4800);
    EXPECT_EQ(printer.pageHeight(), 6300);
    printer.canvas().textOut(1, 2, "default size");
    printer.canvas().font().setSize(10);
    EXPECT_EQ(printer.canvas().font().height(), -83);
    EXPECT_EQ(printer.canvas().textWidth("ten"), 125); // the recorder's half em: 3 × 10 × 600 / 144
    printer.newPage();
    printer.canvas().textOut(3, 4, "ten points");

    try {
        printer.beginDoc();
        ADD_FAILURE() << "a second job began";
    } catch (const PrinterError& error) {
        EXPECT_EQ(error.message(), "Printing in progress");
    }
    printer.endDoc();
    EXPECT_FALSE(printer.printing());

    // The font is the printer's, not the job's: the next page starts in the size the last one set.
    printer.beginDoc();
    printer.canvas().textOut(5, 6, "next page");
    printer.abort();
    EXPECT_FALSE(printer.printing());

    ASSERT_EQ(recorder.jobs.size(), 2u);
    EXPECT_EQ(recorder.jobs[0].title, "FLX Record - Metropolis");
    EXPECT_EQ(recorder.jobs[0].texts, (std::vector<Recorded>{{1, 2, "default size", PrinterFont::DefaultSize},
                                                             {3, 4, "ten points", 10, 1}}));
    EXPECT_TRUE(recorder.jobs[0].ended);
    EXPECT_FALSE(recorder.jobs[0].aborted);
    EXPECT_EQ(recorder.jobs[1].texts, (std::vector<Recorded>{{5, 6, "next page", 10}}));
    EXPECT_FALSE(recorder.jobs[1].ended);
    EXPECT_TRUE(recorder.jobs[1].aborted);
}

TEST(Printer, RefusesWithoutADefaultPrinterOrAJob) {
    orupim::testing::PrinterRecorder recorder;
    recorder.hasDefaultPrinter = false;
    Printer printer;
    try {
        printer.beginDoc();
        ADD_FAILURE() << "a job began without a printer";
    } catch (const PrinterError& error) {
        EXPECT_EQ(error.message(), "There is no default printer currently selected");
    }
    EXPECT_FALSE(printer.printing());
    for (auto step : {+[](Printer& p) { p.canvas().textOut(0, 0, "x"); }, +[](Printer& p) { p.endDoc(); },
                      +[](Printer& p) { p.newPage(); }, +[](Printer& p) { p.canvas().textWidth("x"); },
                      +[](Printer& p) { p.pageWidth(); }}) {
        try {
            step(printer);
            ADD_FAILURE() << "worked without a job";
        } catch (const PrinterError& error) {
            EXPECT_EQ(error.message(), "Printer is not currently printing");
        }
    }
    printer.abort(); // nothing to abandon: no error
    EXPECT_TRUE(recorder.jobs.empty());
}

TEST(HostPrinter, SettingsFileIsMadeOnFirstUseAndNamesThePdf) {
    EXPECT_EQ(configuredPdfFile(), std::nullopt);
    EXPECT_EQ(fileStart(files::platformRoot() / "printer.ini", 100), "[Printer]\r\nPdfFile=\r\n");

    writePrinterSettings("[printer]\r\npdffile = out/page.pdf\r\n");
    EXPECT_EQ(configuredPdfFile(), files::platformRoot() / "out/page.pdf");
    writePrinterSettings("[Printer]\nPdfFile=/tmp/elsewhere.pdf\n");
    EXPECT_EQ(configuredPdfFile(), std::filesystem::path("/tmp/elsewhere.pdf"));
}

TEST(HostPrinter, PrintsAPageToTheNamedPdf) {
    const std::filesystem::path pdf = orupim::test::tempRoot() / "page.pdf";
    writePrinterSettings("[Printer]\r\nPdfFile=" + pdf.string() + "\r\n");
    Printer printer;
    printer.beginDoc();
    EXPECT_EQ(printer.canvas().font().pixelsPerInch(), 300);
    // The whole page is printable: A4 or US Letter, as the locale has it, at 300 dpi.
    const auto near = [](int units, int expected) { return std::abs(units - expected) <= 1; };
    EXPECT_TRUE(near(printer.pageWidth(), 2480) || near(printer.pageWidth(), 2550)) << printer.pageWidth();
    EXPECT_TRUE(near(printer.pageHeight(), 3508) || near(printer.pageHeight(), 3300)) << printer.pageHeight();
    printer.canvas().textOut(100, 80, "Heading");
    printer.canvas().font().setSize(10);
    const int width = printer.canvas().textWidth("Director :");
    EXPECT_GT(width, printer.canvas().textWidth("Director"));
    EXPECT_LT(width, 300); // under an inch at 10 points
    printer.newPage();
    printer.canvas().textOut(160, 152, "Director :");
    printer.endDoc();
    EXPECT_EQ(fileStart(pdf, 5), "%PDF-");
    const orupim::test::PdfText text = orupim::test::readPdfText(pdf);
    EXPECT_EQ(text.pages, 2);
    ASSERT_EQ(text.words.size(), 3u);
    EXPECT_EQ(text.words[0].page, 0);
    EXPECT_EQ(text.words[2].page, 1);
    EXPECT_EQ(text.words[2].text, ":");
}

TEST(HostPrinter, APdfThatCannotBeWrittenIsNamedInTheError) {
    const std::filesystem::path pdf = orupim::test::tempRoot() / "missing" / "page.pdf";
    writePrinterSettings("[Printer]\r\nPdfFile=" + pdf.string() + "\r\n");
    Printer printer;
    try {
        printer.beginDoc();
        ADD_FAILURE() << "a job began on an unwritable file";
    } catch (const FileOpenError& error) {
        EXPECT_EQ(error.message(), "Cannot open file " + pdf.string());
    }
    EXPECT_FALSE(printer.printing());
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

} // namespace
} // namespace orupim::ui
