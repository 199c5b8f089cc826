// Status messages: ShowErr puts each code's text into the left panel and leaves the counts alone; a click on
// the status bar shows the smile, a double click clears the panel.
#include "catalogue/messagetable.h"
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "paintcounter.h"
#include "platform/kernel/messagebeep.h"
#include "platform/registry/reginifile.h"
#include "platform/testing/displaybeeprecorder.h"
#include "platform/ui/statusbar.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

TEST(StatusMessages, ShowErrWritesTheTextOfEachCode) {
    test::CatalogueProgram program(videoEdition());
    program.start();
    program.window().statusBar()->setPanelText(1, " rec. 3 of 3");
    for (std::uint32_t code = 0; code <= MessageCount; ++code) {
        SCOPED_TRACE(code);
        program.window().ShowErr(static_cast<Message>(code));
        EXPECT_EQ(program.message(), messageText(static_cast<Message>(code)));
        EXPECT_EQ(program.counts(), " rec. 3 of 3");
    }
    for (std::uint32_t code : {MessageCount, 4000000000u}) {
        program.window().ShowErr(static_cast<Message>(code));
        EXPECT_EQ(program.message(), " Unknow error occurred.");
    }
}

using ui::test::PaintCounter;

TEST(StatusMessages, ShowErrPaintsTheMessageBeforeItReturns) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.start();
    PaintCounter counter(program.window().statusBar()->panel(0));
    program.window().ShowErr(Message::NoNextRecord);
    EXPECT_GE(counter.paints, 1) << "the message waits for the message loop";
}

TEST(StatusMessages, ClickSmilesAndDoubleClickClears) {
    test::CatalogueProgram program(videoEdition());
    program.start();
    ui::StatusBar* bar = program.window().statusBar();
    bar->setPanelText(1, " rec. 3 of 3");
    program.window().ShowErr(Message::NoNextRecord);

    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(program.message(), "Smile, clicking here is good for nothing...!");
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(program.message(), "");
    EXPECT_EQ(program.counts(), " rec. 3 of 3");
}

TEST(StatusMessages, WithSoundOnEveryMessageBeepsWithTheExclamationSound) {
    // A later start that finds Sound on in the settings key.
    RegIniFile settings("Software\\Brenmoor\\OruPIM");
    settings.writeString("Settings", "Sound", "1");
    settings.writeString("Settings", "Seeded", "1");
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.start();
    ASSERT_TRUE(SoundOn);
    EXPECT_TRUE(program.beeps.empty());

    EXPECT_EQ(program.click(0), "Already at the begining."); // First Record at the begin
    EXPECT_EQ(program.click(0), "Already at the begining.");
    program.window().ShowErr(Message::RecordDuplicated);
    EXPECT_EQ(program.message(), "Record duplicated.");
    EXPECT_EQ(program.beeps, (std::vector<unsigned>{48, 48, 48}));

    QTest::mouseClick(program.window().statusBar(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(program.beeps.size(), 3u) << "a click on the status bar is silent";
}

// As the program runs it, with no recorder at MessageBeep: a refused command rings the display's bell.
TEST(StatusMessages, WithSoundOnARefusedCommandRingsTheDisplaysBell) {
    RegIniFile settings("Software\\Brenmoor\\OruPIM");
    settings.writeString("Settings", "Sound", "1");
    settings.writeString("Settings", "Seeded", "1");
    orupim::testing::DisplayBeepRecorder display;
    test::CatalogueProgram program(videoEdition());
    kernel::setBeepImplementation({});
    program.createTable({{{"Title", "Alien"}}});
    program.start();
    ASSERT_TRUE(SoundOn);
    EXPECT_EQ(program.click(1), "No previous record."); // Previous Record at the first record
    EXPECT_EQ(display.rings, 1);
    EXPECT_TRUE(program.beeps.empty());
}

TEST(StatusMessages, WithSoundOffNothingBeeps) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.start();
    ASSERT_FALSE(SoundOn);
    EXPECT_EQ(program.click(0), "Already at the begining.");
    EXPECT_TRUE(program.beeps.empty());
}

} // namespace
} // namespace orupim::catalogue
