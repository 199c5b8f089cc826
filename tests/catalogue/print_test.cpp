// Print Record: the heading and the twelve caption and value lines at their places for the printer's
// resolution, the values in their text forms, the record as it stands while it is added, a job that an error
// interrupts, a missing printer, and one real page printed to a PDF file.
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/files/platformroot.h"
#include "platform/testing/printerrecorder.h"
#include "platform/ui/printerfont.h"
#include "platform/ui/speedbutton.h"
#include "temproot.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

using test::Record;
using Text = orupim::testing::PrinterRecorder::TextOut;

constexpr int PrintButton = 14; // SpeedButton15

const Record Film = {
    {"Director", "Lang"},  {"Title", "Metropolis"}, {"Publisher", "UFA"}, {"Code", "M-1"},
    {"Category", "Drama"}, {"Language", "German"},  {"Format", "VHS"},    {"Notes", "Silent\r\nrestored"},
    {"Borrowed", "True"},  {"Lent", "False"},       {"Name", "Anna"}};

class PrintRecord : public ::testing::Test {
protected:
    void start(const std::vector<Record>& records = {Film}) { ASSERT_TRUE(program.startWith(records)); }
    TMainWindow& window() { return program.window(); }
    void print() {
        window().SpeedButtons[PrintButton]->click();
        QApplication::processEvents();
    }

    orupim::testing::PrinterRecorder printer;
    test::CatalogueProgram program{videoEdition()};
};

TEST_F(PrintRecord, PrintsTheHeadingAndTwelveLinesAtThreeHundredDpi) {
    start();
    print();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.jobs[0].ended);
    const std::pair<const char*, const char*> lines[] = {
        {"Director :", "Lang"},  {"Title :", "Metropolis"},
        {"Publisher :", "UFA"},  {"Code :", "M-1"},
        {"Category :", "Drama"}, {"Language :", "German"},
        {"Format :", "VHS"},     {"Notes :", "Silent\r\nrestored"},
        {"Borrowed :", "True"},  {"Lent :", "False"},
        {"Date :", ""},          {"From/to :", "Anna"},
    };
    std::vector<Text> expected = {{100, 80, "FLX Record", ui::PrinterFont::DefaultSize}};
    int y = 152;
    for (const auto& [caption, value] : lines) {
        expected.push_back({160, y, caption, 10});
        expected.push_back({560, y, value, 10});
        y += 72;
    }
    EXPECT_EQ(printer.jobs[0].texts, expected);
    EXPECT_EQ(printer.jobs[0].texts.back().y, 944);
    EXPECT_EQ(program.message(), "");
}

TEST_F(PrintRecord, MenuItemPrintsLikeTheButton) {
    start();
    window().findChild<QAction*>("PrintRecord1")->trigger();
    print();
    ASSERT_EQ(printer.jobs.size(), 2u);
    std::vector<Text> first = printer.jobs[0].texts;
    // The heading is written in the font the canvas holds: after the first page that is the lines' size.
    EXPECT_EQ(first[0].fontSize, ui::PrinterFont::DefaultSize);
    first[0].fontSize = 10;
    EXPECT_EQ(printer.jobs[1].texts, first);
}

TEST_F(PrintRecord, LinesFollowTheResolution) {
    start();
    printer.pixelsPerInch = 600;
    print();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto& texts = printer.jobs[0].texts;
    ASSERT_EQ(texts.size(), 25u);
    EXPECT_EQ(texts[1].y, 193);
    EXPECT_EQ(texts[2].y, 193);
    EXPECT_EQ(texts[3].y, 193 + 113);
    EXPECT_EQ(texts[24].y, 1436);
}

TEST_F(PrintRecord, PrintsTheDateInItsShortFormAndTheNewRecordAsItStands) {
    Record dated = Film;
    dated["Date"] = "12/24/1999";
    start({dated});
    print();
    window().AddRecClick();
    QWidget* director = window().dataControl("DBEdit1");
    director->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(director, "Murnau");
    window().dataControl("DBEdit2")->setFocus(Qt::TabFocusReason); // hands Director's text to the record
    QApplication::processEvents();
    print();

    ASSERT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(printer.jobs[0].texts[22].text, "12/24/1999");
    const auto& adding = printer.jobs[1].texts;
    EXPECT_EQ(adding[2].text, "Murnau");
    EXPECT_EQ(adding[4].text, "");
    EXPECT_EQ(adding[18].text, ""); // a new record's Borrowed has no value yet
    EXPECT_EQ(window().MainDataSource.state(), db::DataSetState::Insert);
}

TEST_F(PrintRecord, AnInterruptedJobIsAbandonedAndTheNextOnePrints) {
    start();
    printer.failAtText = 3;
    print();
    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(program.boxes.boxes[0].text, "Printer failed.");
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.jobs[0].aborted);
    EXPECT_FALSE(printer.jobs[0].ended);
    EXPECT_EQ(printer.jobs[0].texts.size(), 3u);

    printer.failAtText.reset();
    print();
    ASSERT_EQ(printer.jobs.size(), 2u);
    EXPECT_TRUE(printer.jobs[1].ended);
    EXPECT_EQ(program.boxes.boxes.size(), 1u);
}

TEST_F(PrintRecord, WithoutADefaultPrinterTheErrorIsShown) {
    start();
    printer.hasDefaultPrinter = false;
    print();
    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(program.boxes.boxes[0].text, "There is no default printer currently selected.");
}

TEST(PrintRecordToPdf, WritesAPdfFile) {
    const std::filesystem::path pdf = orupim::test::tempRoot() / "record.pdf";
    std::ofstream(files::platformRoot() / "printer.ini", std::ios::binary)
        << "[Printer]\r\nPdfFile=" << pdf.string() << "\r\n";
    test::CatalogueProgram program(videoEdition());
    program.createTable({Film});
    program.start();
    program.window().SpeedButtons[PrintButton]->click();
    EXPECT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    std::ifstream in(pdf, std::ios::binary);
    std::string start(5, '\0');
    in.read(start.data(), 5);
    EXPECT_EQ(start, "%PDF-");
    EXPECT_GT(std::filesystem::file_size(pdf), 500u);
}

} // namespace
} // namespace orupim::catalogue
