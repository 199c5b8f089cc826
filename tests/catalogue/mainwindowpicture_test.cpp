// The main window as the user sees it: every control inside its page, its label beside it, the tool bar's
// buttons in one row, and a picture of each page written (when asked, see tests/README.md) for a person
// to look at.
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/ui/label.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/speedbutton.h"
#include "screenshot.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

TEST(MainWindowPicture, EveryControlStandsInsideItsPageBesideItsLabel) {
    test::CatalogueProgram program(videoEdition());
    ASSERT_TRUE(program.startWith({{{"Director", "Fritz Lang"},
                                    {"Title", "Metropolis"},
                                    {"Publisher", "Studio Release"},
                                    {"Code", "V-0001"},
                                    {"Category", "Science Fiction"},
                                    {"Language", "Silent"},
                                    {"Format", "VHS"},
                                    {"Notes", "Restored version."},
                                    {"Lent", "True"},
                                    {"Date", "03/12/1996"},
                                    {"Name", "A. Friend"}}}));
    TMainWindow& window = program.window();
    const Edition& edition = window.edition();

    for (int page = 0; page < window.pageControl()->pageCount(); ++page) {
        window.pageControl()->setCurrentIndex(page);
        QApplication::processEvents();
        orupim::test::saveScreenshot(window, "mainwindow-" + std::to_string(page));
    }

    for (std::size_t i = 0; i < edition.controls.size(); ++i) {
        const ControlDescription& description = edition.controls[i];
        SCOPED_TRACE(description.name);
        QWidget* control = window.dataControls()[i];
        QWidget* page = window.pages()[static_cast<std::size_t>(description.page)];
        EXPECT_EQ(control->parentWidget(), page);
        EXPECT_TRUE(page->rect().contains(control->geometry()))
            << "page " << page->width() << "x" << page->height();
        EXPECT_EQ(control->geometry(), QRect(description.place.left, description.place.top,
                                             description.place.width, description.place.height));
        ui::Label* label = window.label(description.label);
        ASSERT_NE(label, nullptr);
        const LabelDescription* place = edition.label(description.label);
        EXPECT_EQ(label->pos(), QPoint(place->left, place->top));
        EXPECT_LE(label->geometry().right(), control->geometry().left()) << "label runs into its control";
        EXPECT_EQ(control->accessibleName().toStdString(), label->caption());
    }

    int right = 0;
    for (ui::SpeedButton* button : window.speedButtons()) {
        EXPECT_EQ(button->geometry().top(), 4);
        EXPECT_GE(button->geometry().left(), right);
        right = button->geometry().right() + 1;
    }
    EXPECT_LE(right, 513);
    EXPECT_EQ(window.client()->size(), QSize(513, 373));
}

} // namespace
} // namespace orupim::catalogue
