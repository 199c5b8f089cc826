// Print Record: the heading and the twelve caption and value lines at their places, the same page at every
// resolution, the job named after the heading and the record, the values in their text forms, the record as
// it stands while it is added, values that go on over further lines and pages, a job that an error
// interrupts, a missing printer, and real pages printed to a PDF file and read back.
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "pdfwords.h"
#include "platform/files/platformroot.h"
#include "platform/testing/printerrecorder.h"
#include "platform/ui/printerfont.h"
#include "platform/ui/speedbutton.h"
#include "temproot.h"

#include <QApplication>
#include <fstream>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

using test::Record;
using Text = orupim::testing::PrinterRecorder::TextOut;

constexpr std::size_t PrintButton = 14; // SpeedButton15

const Record Film = {
    {"Director", "Lang"},  {"Title", "Metropolis"}, {"Publisher", "UFA"}, {"Code", "M-1"},
    {"Category", "Drama"}, {"Language", "German"},  {"Format", "VHS"},    {"Notes", "Silent, restored"},
    {"Borrowed", "True"},  {"Lent", "False"},       {"Name", "Anna"}};

const char* const Captions[] = {"Director :", "Title :", "Publisher :", "Code :", "Category :", "Language :",
                                "Format :",   "Notes :", "Borrowed :",  "Lent :", "Date :",     "From/to :"};

std::string repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

// A Notes value of 237 characters: 23 words of 9 letters with their blanks, then a word of 7.
const std::string LongNotes = repeated("abcdefghi ", 23) + "abcdefg";

class PrintRecord : public ::testing::Test {
protected:
    void start(const std::vector<Record>& records = {Film}) { ASSERT_TRUE(program.startWith(records)); }
    TMainWindow& window() { return program.window(); }
    void print() { program.click(PrintButton); }
    // The job's texts printed for the Notes, from its caption to the caption after it.
    static std::vector<Text> notesTexts(const std::vector<Text>& texts) {
        auto notes =
            std::find_if(texts.begin(), texts.end(), [](const Text& t) { return t.text == "Notes :"; });
        auto next = std::find_if(notes, texts.end(), [](const Text& t) { return t.text == "Borrowed :"; });
        return {notes, next};
    }

    orupim::testing::PrinterRecorder printer;
    test::CatalogueProgram program{videoEdition()};
};

TEST_F(PrintRecord, PrintsTheHeadingAndTwelveLinesAtThreeHundredDpi) {
    start();
    print();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.jobs[0].ended);
    EXPECT_EQ(printer.jobs[0].title, "FLX Record - Metropolis");
    EXPECT_EQ(printer.jobs[0].pages, 1);
    const char* values[] = {"Lang", "Metropolis",       "UFA",  "M-1",   "Drama", "German",
                            "VHS",  "Silent, restored", "True", "False", "",      "Anna"};
    std::vector<Text> expected = {{100, 80, "FLX Record", ui::PrinterFont::DefaultSize}};
    int y = 152;
    for (int i = 0; i < 12; ++i) {
        expected.push_back({160, y, Captions[i], 10});
        expected.push_back({560, y, values[i], 10});
        y += 72;
    }
    EXPECT_EQ(printer.jobs[0].texts, expected);
    EXPECT_EQ(printer.jobs[0].texts.back().y, 944);
    EXPECT_EQ(program.message(), "");
}

TEST_F(PrintRecord, MenuItemPrintsLikeTheButton) {
    start();
    program.choose("PrintRecord1");
    print();
    ASSERT_EQ(printer.jobs.size(), 2u);
    std::vector<Text> first = printer.jobs[0].texts;
    // The heading is written in the font the canvas holds: after the first page that is the lines' size.
    EXPECT_EQ(first[0].fontSize, ui::PrinterFont::DefaultSize);
    first[0].fontSize = 10;
    EXPECT_EQ(printer.jobs[1].texts, first);
}

// The page is laid out in 1/300 inch: every resolution puts each text at the same place on the paper.
TEST_F(PrintRecord, EveryResolutionGivesTheSamePage) {
    Record record = Film;
    record["Notes"] = LongNotes + "\r\nlast line";
    start({record});
    print();
    const std::vector<Text> reference = printer.jobs.at(0).texts;
    ASSERT_EQ(reference.size(), 25u + 3u);
    for (int pixelsPerInch : {72, 600, 1200}) {
        SCOPED_TRACE(pixelsPerInch);
        printer.pixelsPerInch = pixelsPerInch;
        print();
        std::vector<Text> expected = reference;
        for (Text& text : expected) {
            text.x = (text.x * pixelsPerInch + 150) / 300;
            text.y = (text.y * pixelsPerInch + 150) / 300;
            text.fontSize = 10;
        }
        EXPECT_EQ(printer.jobs.back().texts, expected);
    }
    EXPECT_EQ(printer.jobs.back().texts[2].y, 608);      // the first line: 152 × 4
    EXPECT_EQ(printer.jobs.back().texts.back().y, 4640); // the last: (944 + 3 × 72) × 4
}

TEST_F(PrintRecord, PrintsTheDateInItsShortFormAndTheNewRecordAsItStands) {
    Record dated = Film;
    dated["Date"] = "12/24/1999";
    start({dated});
    print();
    window().AddRecClick();
    program.type("DBEdit1", "Murnau");
    program.enter("DBEdit2"); // hands Director's text to the record
    print();

    ASSERT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(printer.jobs[0].texts[22].text, "12/24/1999");
    const auto& adding = printer.jobs[1].texts;
    EXPECT_EQ(adding[2].text, "Murnau");
    EXPECT_EQ(adding[4].text, "");
    EXPECT_EQ(adding[18].text, "");                 // a new record's Borrowed has no value yet
    EXPECT_EQ(printer.jobs[1].title, "FLX Record"); // no Title yet to name it
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Insert);
}

// The recorded page leaves 80 characters of room beside the captions (half an em each at 10 points).
TEST_F(PrintRecord, LongValuesAndLineBreaksGoOnOverFurtherLinesAtTheValuesColumn) {
    const std::string letters80 = repeated("abcdefghi ", 8);
    struct Case {
        const char* name;
        std::string notes;
        std::vector<std::string> lines;
    } cases[] = {
        {"three lines", "first line\r\nsecond line\r\nthird", {"first line", "second line", "third"}},
        {"every kind of break", "a\nb\rc\r\n\r\nd", {"a", "b", "c", "", "d"}},
        {"237 characters", LongNotes, {letters80, letters80, repeated("abcdefghi ", 7) + "abcdefg"}},
        {"one long word",
         std::string(200, 'x'),
         {std::string(80, 'x'), std::string(80, 'x'), std::string(40, 'x')}},
        {"blanks at the break", std::string(78, 'y') + "    z", {std::string(78, 'y') + "    ", "z"}},
        {"exactly the room", std::string(80, 'w'), {std::string(80, 'w')}},
        {"wide characters", repeated("\xc3\xa9", 81), {repeated("\xc3\xa9", 80), "\xc3\xa9"}},
    };
    std::vector<Record> records;
    for (const Case& c : cases) {
        Record record = Film;
        record["Notes"] = c.notes;
        records.push_back(record);
    }
    start(records);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        print();
        window().NextRecClick();
        const std::vector<Text>& texts = printer.jobs.back().texts;
        std::vector<Text> expected = {{160, 656, "Notes :", 10}};
        int y = 656;
        for (const std::string& line : c.lines) {
            expected.push_back({560, y, line, 10});
            y += 72;
        }
        EXPECT_EQ(notesTexts(texts), expected);
        EXPECT_EQ(texts.back(), (Text{560, 944 + 72 * static_cast<int>(c.lines.size() - 1), "Anna", 10}));
    }
}

TEST_F(PrintRecord, LinesReachingThePageFootGoOnOverANewPage) {
    std::string notes;
    for (int i = 0; i < 60; ++i)
        notes += (i ? "\r\n" : "") + ("line " + std::to_string(i));
    Record record = Film;
    record["Notes"] = notes;
    start({record});
    print();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto& job = printer.jobs[0];
    EXPECT_EQ(job.pages, 2);
    const int foot = 3150 - 80; // the recorded page is 10.5 inches high; a line keeps 80 units above its foot
    std::string printed;
    int lastY[2] = {80, 80};
    for (const Text& text : job.texts) {
        SCOPED_TRACE(text);
        EXPECT_LE(text.y + 42, foot);
        if (text.x == 560 || text.x == 100) {
            EXPECT_EQ(text.y, lastY[text.page] + (text.x == 100 ? 0 : 72)); // line after line, no gap
        }
        if (text.x != 160)
            lastY[text.page] = text.y;
        if (text.x == 560 && text.text.rfind("line ", 0) == 0)
            printed += (printed.empty() ? "" : "\r\n") + text.text;
    }
    EXPECT_EQ(printed, notes);
    // Page 1 begins at the first line's place and carries the Notes' remaining lines and the fields after
    // them.
    auto second = std::find_if(job.texts.begin(), job.texts.end(), [](const Text& t) { return t.page == 1; });
    ASSERT_NE(second, job.texts.end());
    EXPECT_EQ(*second, (Text{560, 152, "line 33", 10, 1}));
    EXPECT_EQ(job.texts.back(), (Text{560, 152 + 30 * 72, "Anna", 10, 1}));
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

// Points on the PDF page (whose printable area is the whole page) of a place in 1/300 inch.
double points(int units) {
    return units * 72.0 / 300.0;
}

std::string joined(const std::vector<orupim::test::PdfWord>& words) {
    std::string text;
    for (const auto& word : words)
        text += (text.empty() ? "" : " ") + word.text;
    return text;
}

// The page that the PDF output holds, read back word by word: lines that fit at their places, a long value
// wrapped at the value's column with every word kept, and a value's own lines each on a line of its own.
TEST(PrintRecordToPdf, ThePrintedPageHoldsEveryCharacterAtItsPlace) {
    const std::filesystem::path pdf = orupim::test::tempRoot() / "record.pdf";
    std::ofstream(files::platformRoot() / "printer.ini", std::ios::binary)
        << "[Printer]\r\nPdfFile=" << pdf.string() << "\r\n";
    Record record = Film;
    record["Notes"] = LongNotes + "\r\nsecond line\r\nthird";
    test::CatalogueProgram program(videoEdition());
    ASSERT_TRUE(program.startWith({record}));
    program.click(PrintButton);
    ASSERT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    orupim::test::savePdfPicture(pdf, "print-record");

    const orupim::test::PdfText page = orupim::test::readPdfText(pdf);
    ASSERT_EQ(page.pages, 1);
    const auto heading = orupim::test::wordsOnLine(page, 0, points(80));
    ASSERT_EQ(joined(heading), "FLX Record");
    EXPECT_NEAR(heading[0].xMin, points(100), 1.0);

    // Lines 0 to 6 stand where they always stood; the Notes take as many lines as the font needs (at least
    // the 237 characters' two and their own two); the lines after them follow on.
    std::vector<std::pair<std::string, std::string>> lines = {
        {"Director :", "Lang"},  {"Title :", "Metropolis"}, {"Publisher :", "UFA"}, {"Code :", "M-1"},
        {"Category :", "Drama"}, {"Language :", "German"},  {"Format :", "VHS"}};
    std::string notes;
    int notesLines = 0;
    for (int line = 7;; ++line, ++notesLines) {
        const auto words = orupim::test::wordsOnLine(page, 0, points(152 + 72 * line));
        ASSERT_FALSE(words.empty()) << line;
        if (words[0].text == "Borrowed")
            break;
        const bool first = line == 7;
        EXPECT_NEAR(words[first ? 2 : 0].xMin, points(560), 1.0) << line;
        EXPECT_LE(words.back().xMax, page.pageWidth - points(160) + 1.0) << line;
        const std::vector<orupim::test::PdfWord> value(words.begin() + (first ? 2 : 0), words.end());
        notes += (notes.empty() ? "" : "|") + joined(value);
        if (first) {
            EXPECT_EQ(joined({words[0], words[1]}), "Notes :");
        }
    }
    EXPECT_GE(notesLines, 4);
    EXPECT_NE(notes.find("abcdefg|second line|third"), std::string::npos) << notes;
    std::string unwrapped = notes.substr(0, notes.find("|second"));
    EXPECT_NE(unwrapped.find('|'), std::string::npos) << "the 237 characters stand on one line";
    std::replace(unwrapped.begin(), unwrapped.end(), '|', ' ');
    EXPECT_EQ(unwrapped, LongNotes);
    lines.insert(lines.end(),
                 {{"Borrowed :", "True"}, {"Lent :", "False"}, {"Date :", ""}, {"From/to :", "Anna"}});
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i < 7 ? i : i + notesLines);
        const auto words = orupim::test::wordsOnLine(page, 0, points(152 + 72 * line));
        SCOPED_TRACE(lines[i].first);
        ASSERT_FALSE(words.empty());
        EXPECT_NEAR(words[0].xMin, points(160), 1.0);
        EXPECT_EQ(joined(words), lines[i].first + (lines[i].second.empty() ? "" : " " + lines[i].second));
        if (!lines[i].second.empty()) {
            EXPECT_NEAR(words.back().xMin, points(560), 1.0);
        }
    }
}

// Lines that would reach the page's foot go on over a second page of the PDF, from the first line's place.
TEST(PrintRecordToPdf, LinesThatReachTheFootGoOnOverASecondPage) {
    const std::filesystem::path pdf = orupim::test::tempRoot() / "record.pdf";
    std::ofstream(files::platformRoot() / "printer.ini", std::ios::binary)
        << "[Printer]\r\nPdfFile=" << pdf.string() << "\r\n";
    std::string notes;
    for (int i = 0; i < 60; ++i)
        notes += (i ? "\r\n" : "") + ("line" + std::to_string(i));
    Record record = Film;
    record["Notes"] = notes;
    test::CatalogueProgram program(videoEdition());
    ASSERT_TRUE(program.startWith({record}));
    program.click(PrintButton);
    ASSERT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    orupim::test::savePdfPicture(pdf, "print-record-page2", 1);

    const orupim::test::PdfText text = orupim::test::readPdfText(pdf);
    ASSERT_EQ(text.pages, 2);
    std::string printed;
    int pageOfLast = -1;
    for (const auto& word : text.words) {
        SCOPED_TRACE(word.text);
        EXPECT_LE(word.yMax, text.pageHeight - points(80) + 1.0); // nothing below the foot
        if (word.text.rfind("line", 0) == 0) {
            printed += (printed.empty() ? "" : "\r\n") + word.text;
            EXPECT_NEAR(word.xMin, points(560), 1.0);
        }
        pageOfLast = word.page;
    }
    EXPECT_EQ(printed, notes);
    EXPECT_EQ(pageOfLast, 1);
    const auto top = orupim::test::wordsOnLine(text, 1, points(152));
    ASSERT_EQ(top.size(), 1u);
    EXPECT_TRUE(top[0].text.rfind("line", 0) == 0) << top[0].text;
    EXPECT_EQ(joined(orupim::test::wordsOnLine(text, 1, text.words.back().yMin)), "From/to : Anna");
}

} // namespace
} // namespace orupim::catalogue
