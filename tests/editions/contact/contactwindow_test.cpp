// The contact window's own arrangement: the two check boxes under one label, City shown nowhere, the Tab
// key's walk of "Main" and "Others" and past their last controls, and the field last entered as the focus
// moves between the pages and their controls. What every edition's window shares is checked by RecordView.
#include "catalogue/aboutdialog.h"
#include "catalogue/modulevalues.h"
#include "catalogueprogram.h"
#include "editions/contact/contactedition.h"
#include "platform/ui/datacontrol.h"
#include "platform/ui/label.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/speedbutton.h"
#include "screenshot.h"
#include "userinput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <gtest/gtest.h>

namespace orupim::editions {
namespace {

using catalogue::ActiveField;
using catalogue::NotSearchable;
using catalogue::SearchFieldLabel;
using catalogue::SearchFieldName;
using catalogue::TMainWindow;
using orupim::test::clickTab;
using orupim::test::press;

class ContactWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            program.startWith({{{"Name", "Ann Lee"}, {"Street", "1 Main St"}, {"City", "Springfield"}}}));
    }
    TMainWindow& window() { return program.window(); }

    catalogue::test::CatalogueProgram program{contactEdition()};
};

// Private and Business stand under one label, "Type :", which names neither of them alone.
TEST_F(ContactWindow, TheTwoCheckBoxesShareOneLabel) {
    for (const char* missing : {"Label6", "Label7"})
        EXPECT_EQ(window().findChild<QWidget*>(missing), nullptr) << missing;
    ui::Label* type = window().label("Label6and7");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->parentWidget(), program.control("DBEdit6")->parentWidget());
    EXPECT_LE(type->geometry().right(), program.control("DBEdit6")->x());
    EXPECT_LT(program.control("DBEdit6")->geometry().right(), program.control("DBEdit7")->x());
    EXPECT_EQ(program.control("DBEdit6")->y(), program.control("DBEdit7")->y());

    // A picture of each page for a person to look at.
    for (int page = 0; page < window().pageControl()->pageCount(); ++page) {
        window().pageControl()->setCurrentIndex(page);
        QApplication::processEvents();
        orupim::test::saveScreenshot(window(), "contact-" + std::to_string(page));
    }
}

TEST_F(ContactWindow, CityIsShownByNoControl) {
    for (QWidget* widget : window().dataControls()) {
        const auto* data = dynamic_cast<const ui::DataControl*>(widget);
        ASSERT_NE(data, nullptr);
        EXPECT_NE(data->dataField(), "City");
    }
    for (std::size_t i = 0; i < window().dataControls().size(); ++i)
        EXPECT_NE(window().controlText(static_cast<int>(i)), "Springfield");
    EXPECT_EQ(window().mainQuery().fieldByName("City").asText(), "Springfield");
}

TEST_F(ContactWindow, StartsOnNameAndTabWalksMainThenOthersInTheirOrders) {
    EXPECT_EQ(QApplication::focusWidget(), program.control("DBEdit1"));
    EXPECT_EQ(ActiveField, program.control("DBEdit1"));
    EXPECT_EQ(SearchFieldLabel.str(), "Name");
    EXPECT_EQ(SearchFieldName.str(), "Name");
    EXPECT_EQ(NotSearchable, 0);

    // Street, Country, Post Code, Region, Private, Business.
    for (const char* next : {"DBEdit2", "DBEdit5", "DBEdit3", "DBEdit4", "DBEdit6", "DBEdit7"}) {
        SCOPED_TRACE(next);
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), program.control(next));
        EXPECT_EQ(ActiveField, program.control(next));
    }
    // Past the page's last control the focus leaves the data controls; Business stays the field last entered.
    press(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), program.control("DBEdit7"));
    EXPECT_EQ(ActiveField, program.control("DBEdit7"));

    // Fax, E-mail, Phone, URL.
    clickTab(window().pageControl(), 1);
    ASSERT_EQ(window().pageControl()->currentIndex(), 1);
    EXPECT_EQ(ActiveField, program.control("DBEdit7"));
    window().pageControl()->tabBar()->setFocus(Qt::MouseFocusReason);
    for (const char* next : {"DBEdit9", "DBEdit10", "DBEdit8", "DBEdit11"}) {
        SCOPED_TRACE(next);
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), program.control(next));
        EXPECT_EQ(ActiveField, program.control(next));
    }
}

TEST_F(ContactWindow, ChangingPagesEntersNotesOnlyWhenTheMemoTakesTheFocus) {
    QWidget* memo = program.control("DBEdit12");
    clickTab(window().pageControl(), 2); // with the mouse
    ASSERT_EQ(window().pageControl()->currentIndex(), 2);
    EXPECT_NE(QApplication::focusWidget(), memo);
    EXPECT_EQ(ActiveField, program.control("DBEdit1"));
    EXPECT_EQ(SearchFieldName.str(), "Name");

    clickTab(window().pageControl(), 0);
    program.enter("DBEdit2");
    press(Qt::Key_Tab, Qt::ControlModifier); // with the keyboard: to "Others"
    press(Qt::Key_Tab, Qt::ControlModifier); // and on to "Notes"
    ASSERT_EQ(window().pageControl()->currentIndex(), 2);
    EXPECT_NE(QApplication::focusWidget(), memo);
    EXPECT_EQ(ActiveField, program.control("DBEdit2"));
    EXPECT_EQ(SearchFieldName.str(), "Street");

    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), memo);
    EXPECT_EQ(ActiveField, memo);
    EXPECT_EQ(SearchFieldLabel.str(), "Notes");
    EXPECT_EQ(SearchFieldName.str(), "Notes");
    EXPECT_EQ(NotSearchable, 0);
}

// The page control's own enter event records Notes when the focus comes into it from outside; a control
// inside that takes the focus in the same move is entered after it and ends as the field last entered.
TEST_F(ContactWindow, EnteringThePageControlFromOutsideRecordsNotesFirst) {
    QWidget* outside = window().speedButtons()[0];
    outside->setFocusPolicy(Qt::StrongFocus); // the window has no other control outside its pages
    outside->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), outside);
    window().pageControl()->tabBar()->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(ActiveField, program.control("DBEdit12"));
    EXPECT_EQ(SearchFieldLabel.str(), "Notes");
    EXPECT_EQ(SearchFieldName.str(), "Notes");

    outside->setFocus(Qt::OtherFocusReason);
    window().pageControl()->setCurrentIndex(1);
    program.control("DBEdit9")->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(ActiveField, program.control("DBEdit9"));
    EXPECT_EQ(SearchFieldName.str(), "Fax");
    EXPECT_EQ(NotSearchable, 1);
}

} // namespace
} // namespace orupim::editions
