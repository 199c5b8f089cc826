// Each edition's own texts in its real window: the caption, the renamed menu items with their captions, the
// about button's hint, and the heading and first caption lines that Print Record prints.
#include "catalogueprogram.h"
#include "editions/audio/audioedition.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "editions/software/softwareedition.h"
#include "platform/testing/printerrecorder.h"
#include "platform/ui/speedbutton.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orupim::editions {
namespace {

struct WindowTexts {
    const catalogue::Edition* edition;
    const char* caption;
    const char* notices;
    const char* about;
    const char* aboutHint;
    const char* heading;
    const char* firstLabel; // the caption printed beside DBEdit1's field
    const char* fourthLabel;
};

void PrintTo(const WindowTexts& texts, std::ostream* os) {
    *os << texts.edition->deliverable;
}

class EditionWindow : public ::testing::TestWithParam<WindowTexts> {};

TEST_P(EditionWindow, ShowsTheEditionsTexts) {
    const WindowTexts& x = GetParam();
    catalogue::test::CatalogueProgram program(*x.edition);
    program.createTable(
        {{{x.edition->controls[0].field, "First"}, {"Title", "Second"}, {"Publisher", "Third"}}});
    program.start();
    ASSERT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    catalogue::TMainWindow& window = program.window();
    EXPECT_EQ(window.caption(), x.caption);

    QMenu* help = window.findChild<QMenu*>("MenuHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->title().toStdString(), "&Help");
    const std::pair<const char*, const char*> items[] = {
        {"Newsletter1", "&Newsletter"}, {"ReadNotices1", x.notices}, {"About", x.about}};
    for (const auto& [name, text] : items) {
        SCOPED_TRACE(name);
        QAction* action = window.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text().toStdString(), text);
    }
    EXPECT_EQ(window.findChild<QAction*>("Newsleter1"), nullptr);
    EXPECT_EQ(window.speedButtons()[15]->hint(), x.aboutHint);

    orupim::testing::PrinterRecorder printer;
    window.speedButtons()[14]->click(); // Print Record
    QApplication::processEvents();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto& texts = printer.jobs[0].texts;
    ASSERT_GE(texts.size(), 9u);
    EXPECT_EQ(texts[0].text, x.heading);
    EXPECT_EQ(texts[1].text, x.firstLabel);
    EXPECT_EQ(texts[2].text, "First");
    EXPECT_EQ(texts[4].text, "Second");
    EXPECT_EQ(texts[6].text, "Third");
    EXPECT_EQ(texts[7].text, x.fourthLabel);
    EXPECT_EQ(printer.jobs[0].title, std::string(x.heading) + " - Second"); // named by its Title
}

INSTANTIATE_TEST_SUITE_P(
    Editions, EditionWindow,
    ::testing::Values(WindowTexts{&softwareEdition(), "Progdex 1.1", "&Read Notices...", "&About PRG...",
                                  "About PRG", "PRG Record", "Author :", "Code :"},
                      WindowTexts{&audioEdition(), "Sounddex 1.1", "&Read Notices...", "&About SND...",
                                  "About SND", "SND Record", "Artist :", "Code :"},
                      WindowTexts{&printedMediaEdition(), "Pagedex 1.1", "Read Notices...", "&About BKS...",
                                  "About BKS", "BKS Record", "Author :", "ISBN :"}),
    [](const auto& info) { return info.param.edition->deliverable; });

} // namespace
} // namespace orupim::editions
