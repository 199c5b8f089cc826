// Status messages: ShowErr puts each code's text into the left panel and leaves the counts alone; a click on
// the status bar shows the smile, a double click clears the panel.
#include "catalogue/messagetable.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/ui/statusbar.h"

#include <QTest>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

TEST(StatusMessages, ShowErrWritesTheTextOfEachCode) {
    test::CatalogueProgram program(videoEdition());
    program.start();
    program.window().StatusBar->setPanelText(1, " rec. 3 of 3");
    for (std::uint32_t code : {0u, 4u, 8u, 16u, 17u, 18u, 4000000000u}) {
        SCOPED_TRACE(code);
        program.window().ShowErr(code);
        EXPECT_EQ(program.message(), messageText(code));
        EXPECT_EQ(program.counts(), " rec. 3 of 3");
    }
}

TEST(StatusMessages, ClickSmilesAndDoubleClickClears) {
    test::CatalogueProgram program(videoEdition());
    program.start();
    ui::StatusBar* bar = program.window().StatusBar;
    bar->setPanelText(1, " rec. 3 of 3");
    program.window().ShowErr(7);

    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(program.message(), "Smile, clicking here is good for nothing...!");
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(program.message(), "");
    EXPECT_EQ(program.counts(), " rec. 3 of 3");
}

} // namespace
} // namespace orupim::catalogue
