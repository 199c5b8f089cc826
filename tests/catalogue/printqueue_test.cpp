// Print Record through the host's print service: a service that does not answer or is not there gives a
// message saying so within a few seconds and the window goes on; through a real queue of a private scheduler
// the page matches the PDF output's page by positions and the job carries the heading and the record's name;
// a queue that refuses jobs and a service without a default queue give their messages.
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "pdfwords.h"
#include "platform/files/platformroot.h"
#include "platform/ui/speedbutton.h"
#include "privatescheduler.h"
#include "temproot.h"

#include <QApplication>
#include <cups/cups.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace orupim::catalogue {
namespace {

using test::Record;

constexpr int PrintButton = 14; // SpeedButton15
constexpr int NextButton = 2;   // SpeedButton3

const Record Film = {{"Director", "Kubrick"},   {"Title", "Dr. Strangelove"},
                     {"Publisher", "Columbia"}, {"Code", "DS-64"},
                     {"Category", "Comedy"},    {"Language", "English"},
                     {"Format", "DVD"},         {"Notes", "Black and white\r\na line of its own"},
                     {"Borrowed", "False"},     {"Lent", "True"},
                     {"Name", "Mandrake"}};
const Record Second = {{"Director", "Wilder"}, {"Title", "Sunset Blvd."}};

// Points the printer at a PDF file (or, with an empty path, at the print service's default queue).
void usePdfFile(const std::filesystem::path& pdf) {
    std::ofstream(files::platformRoot() / "printer.ini", std::ios::binary)
        << "[Printer]\r\nPdfFile=" << pdf.string() << "\r\n";
}

// The print file of a job goes to the case's own temporary directory; the print client is pointed back at
// its default server after the case.
class PrintQueue : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tmp = std::getenv("TMPDIR");
        previousTmp_ = tmp ? std::optional<std::string>(tmp) : std::nullopt;
        const std::filesystem::path caseTmp = orupim::test::caseDirectory() / "tmp";
        std::filesystem::create_directories(caseTmp);
        setenv("TMPDIR", caseTmp.c_str(), 1);
        usePdfFile({});
    }
    void TearDown() override {
        cupsSetServer(nullptr);
        if (previousTmp_)
            setenv("TMPDIR", previousTmp_->c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

    void start() { ASSERT_TRUE(program.startWith({Film, Second})); }
    void print() {
        program.window().speedButtons()[PrintButton]->click();
        QApplication::processEvents();
    }
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : program.boxes.boxes)
            texts.push_back(box.text);
        return texts;
    }

    test::CatalogueProgram program{videoEdition()};

private:
    std::optional<std::string> previousTmp_;
};

// A socket that takes connections into its queue but never reads them: a print service that has hung.
class SilentService {
public:
    explicit SilentService(const std::filesystem::path& path) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        listening_ =
            ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && ::listen(fd_, 8) == 0;
    }
    ~SilentService() { ::close(fd_); }
    bool listening() const { return listening_; }

private:
    int fd_ = -1;
    bool listening_ = false;
};

TEST_F(PrintQueue, AServiceThatDoesNotAnswerOrIsNotThereIsNamedAndTheWindowGoesOn) {
    const std::filesystem::path silent = orupim::test::tempRoot() / "silent.sock";
    const std::filesystem::path missing = orupim::test::tempRoot() / "missing.sock";
    SilentService service(silent);
    ASSERT_TRUE(service.listening());
    start();
    const struct {
        std::filesystem::path server;
        std::string message;
    } cases[] = {
        {silent, "The print service did not answer within 5 seconds; nothing was printed."},
        {missing,
         "The print service at " + missing.string() + " cannot be reached (No such file or directory)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.server);
        program.boxes.boxes.clear();
        cupsSetServer(c.server.c_str());
        print();
        EXPECT_EQ(boxTexts(), std::vector<std::string>{c.message});
        // The window is free again: the next command runs.
        program.window().speedButtons()[NextButton]->click();
        EXPECT_EQ(program.window().controlText(1), "Sunset Blvd.");
        program.window().FirstRecClick();
    }
}

class PrintQueueThroughScheduler : public PrintQueue {
protected:
    void SetUp() override {
        PrintQueue::SetUp();
        scheduler.emplace(orupim::test::caseDirectory() / "cups");
        if (!scheduler->failure().empty())
            GTEST_SKIP() << "no print scheduler can run here: " << scheduler->failure();
        ASSERT_EQ(scheduler->addPdfQueue("pdf", output), "");
    }
    void TearDown() override {
        scheduler.reset();
        PrintQueue::TearDown();
    }

    const std::filesystem::path output = orupim::test::caseDirectory() / "cups" / "out" / "queue.pdf";
    std::optional<test::PrivateScheduler> scheduler;
};

// Each word's place relative to the first caption's, in points: the printable areas of the two printers
// differ (so the Notes keep to lines that fit on both), the page laid out on them must not. The
// heading is left out: it is written in the font the printer holds, which the first page leaves at the lines'
// size.
struct Placed {
    std::string text;
    double x;
    double y;
};

std::vector<Placed> placedFromFirstCaption(const orupim::test::PdfText& page) {
    std::vector<Placed> words;
    auto first = std::find_if(page.words.begin(), page.words.end(),
                              [](const orupim::test::PdfWord& word) { return word.text == "Director"; });
    for (auto word = first; word != page.words.end(); ++word)
        words.push_back({word->text, word->xMin - first->xMin, word->yMin - first->yMin});
    return words;
}

TEST_F(PrintQueueThroughScheduler, TheQueuesPageMatchesThePdfOutputsPageAndTheJobIsNamed) {
    ASSERT_EQ(scheduler->makeDefault("pdf"), "");
    start();
    print();
    ASSERT_EQ(boxTexts(), std::vector<std::string>{});
    const auto job = scheduler->finishedJob("pdf");
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->completed);
    EXPECT_EQ(job->title, "FLX Record - Dr. Strangelove");

    const std::filesystem::path reference = orupim::test::tempRoot() / "reference.pdf";
    usePdfFile(reference);
    print();
    ASSERT_EQ(boxTexts(), std::vector<std::string>{});

    const orupim::test::PdfText queued = orupim::test::readPdfText(output);
    const orupim::test::PdfText expected = orupim::test::readPdfText(reference);
    ASSERT_EQ(queued.pages, 1);
    ASSERT_EQ(expected.pages, 1);
    ASSERT_GT(expected.words.size(), 30u);
    const std::vector<Placed> got = placedFromFirstCaption(queued);
    const std::vector<Placed> want = placedFromFirstCaption(expected);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(want[i].text);
        EXPECT_EQ(got[i].text, want[i].text);
        EXPECT_NEAR(got[i].x, want[i].x, 0.5);
        EXPECT_NEAR(got[i].y, want[i].y, 0.5);
    }
    orupim::test::savePdfPicture(output, "print-record-queue");
}

TEST_F(PrintQueueThroughScheduler, AMissingDefaultQueueAStoppedPrinterAndARefusedJobGiveTheirMessages) {
    start();
    print(); // the queue is not the default yet
    ASSERT_EQ(scheduler->makeDefault("pdf"), "");
    ASSERT_EQ(scheduler->stopPrinter("pdf", "Paper jam"), "");
    print();
    ASSERT_EQ(scheduler->rejectJobs("pdf"), "");
    print();
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{
                  "There is no default printer currently selected.",
                  "The printer pdf is stopped; the job waits in its queue until the printer is "
                  "started again (Paper jam)",
                  "The printer pdf did not take the job: Destination \"pdf\" is not accepting jobs.",
              }));
    EXPECT_FALSE(std::filesystem::exists(output));
}

} // namespace
} // namespace orupim::catalogue
