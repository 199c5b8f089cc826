// The field last entered: the window starts with Director, the Tab key walks the page "Main" in its tab
// order, and each entered control records its label (less " :"), its field and whether it is searchable.
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/ui/pagecontrol.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

TEST(FieldEnter, WindowStartsOnDirectorAndTabFollowsTheTabOrder) {
    test::CatalogueProgram program(videoEdition());
    program.start();
    TMainWindow& window = program.window();
    EXPECT_EQ(QApplication::focusWidget(), window.dataControl("DBEdit1"));
    EXPECT_EQ(ActiveField, window.dataControl("DBEdit1"));
    EXPECT_EQ(SearchFieldLabel.str(), "Director");
    EXPECT_EQ(SearchFieldName.str(), "Director");

    for (const char* next : {"DBEdit2", "DBEdit3", "DBEdit6", "DBEdit4", "DBEdit5", "DBEdit7"}) {
        SCOPED_TRACE(next);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), window.dataControl(next));
        EXPECT_EQ(ActiveField, window.dataControl(next));
    }
}

TEST(FieldEnter, EachControlRecordsItsLabelFieldAndSearchability) {
    test::CatalogueProgram program(videoEdition());
    program.start();
    TMainWindow& window = program.window();
    struct Case {
        const char* control;
        const char* label;
        const char* field;
        int notSearchable;
    } cases[] = {
        {"DBEdit12", "From/to", "Name", 0},     {"DBEdit8", "Notes", "Notes", 1},
        {"DBEdit9", "Borrowed", "Borrowed", 1}, {"DBEdit10", "Lent", "Lent", 0},
        {"DBEdit7", "Format", "Format", 0},     {"DBEdit11", "Date", "Date", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        QWidget* control = window.dataControl(c.control);
        window.pageControl()->setCurrentWidget(control->parentWidget());
        control->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(ActiveField, control);
        EXPECT_EQ(SearchFieldLabel.str(), c.label);
        EXPECT_EQ(SearchFieldName.str(), c.field);
        EXPECT_EQ(NotSearchable, c.notSearchable);
    }

    // The page tabs are no data control: the field last entered stays.
    window.pageControl()->setFocus(Qt::MouseFocusReason);
    window.pageControl()->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_EQ(ActiveField, window.dataControl("DBEdit11"));
}

} // namespace
} // namespace orupim::catalogue
