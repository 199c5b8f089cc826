// The contact window: its three pages with their labels and the two check boxes under one label, the menu
// texts of this edition, City shown nowhere, the Tab key's walk of "Main" and "Others", and the field last
// entered as the focus moves between the pages and their controls.
#include "catalogue/aboutdialog.h"
#include "catalogue/modulevalues.h"
#include "catalogue/querydialog.h"
#include "catalogueprogram.h"
#include "editions/contact/contactedition.h"
#include "platform/ui/datacontrol.h"
#include "platform/ui/label.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/speedbutton.h"
#include "screenshot.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace orupim::editions {
namespace {

using catalogue::ActiveField;
using catalogue::NotSearchable;
using catalogue::SearchFieldLabel;
using catalogue::SearchFieldName;
using catalogue::TMainWindow;

class ContactWindow : public ::testing::Test {
protected:
    void SetUp() override {
        program.createTable({{{"Name", "Ann Lee"}, {"Street", "1 Main St"}, {"City", "Springfield"}}});
        program.start();
        ASSERT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    }
    TMainWindow& window() { return program.window(); }
    QWidget* control(const char* name) { return window().dataControl(name); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QApplication::processEvents();
    }
    void clickTab(int index) {
        QTabBar* tabs = window().pageControl()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        QApplication::processEvents();
    }

    catalogue::test::CatalogueProgram program{contactEdition()};
};

TEST_F(ContactWindow, PagesLabelsAndCheckBoxes) {
    EXPECT_EQ(window().caption(), "Peopledex 1.1");
    ASSERT_EQ(window().pageControl()->pageCount(), 3);
    const char* pages[][2] = {{"TabMain", "Main"}, {"TabLoans", "Others"}, {"TabNotes", "Notes"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window().pageControl()->page(i)->objectName().toStdString(), pages[i][0]);
        EXPECT_EQ(window().pageControl()->tabText(i).toStdString(), pages[i][1]);
    }
    EXPECT_EQ(window().pageControl()->currentIndex(), 0);

    struct LabelRow {
        const char* name;
        const char* caption;
        int page;
    } labels[] = {{"Label1", "Name :", 0},   {"Label2", "Street :", 0},  {"Label3", "Post Code :", 0},
                  {"Label4", "Region :", 0}, {"Label5", "Country :", 0}, {"Label6and7", "Type :", 0},
                  {"Label8", "Phone :", 1},  {"Label9", "Fax :", 1},     {"Label10", "E-mail :", 1},
                  {"Label11", "URL :", 1},   {"Label12", "Notes :", 2}};
    for (const LabelRow& row : labels) {
        SCOPED_TRACE(row.name);
        ui::Label* label = window().label(row.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->caption(), row.caption);
        EXPECT_EQ(label->parentWidget(), window().pageControl()->page(row.page));
    }
    for (const char* missing : {"Label6", "Label7"})
        EXPECT_EQ(window().findChild<QWidget*>(missing), nullptr) << missing;
    EXPECT_LE(window().label("Label6and7")->geometry().right(), control("DBEdit6")->x());

    // Every control at its place inside its page, beside its label, named by its label or its own caption.
    const catalogue::Edition& edition = window().edition();
    for (std::size_t i = 0; i < edition.controls.size(); ++i) {
        const catalogue::ControlDescription& description = edition.controls[i];
        SCOPED_TRACE(description.name);
        QWidget* widget = window().dataControls()[i];
        QWidget* page = window().pages()[static_cast<std::size_t>(description.page)];
        EXPECT_EQ(widget->parentWidget(), page);
        EXPECT_TRUE(page->rect().contains(widget->geometry()));
        EXPECT_EQ(widget->geometry(), QRect(description.place.left, description.place.top,
                                            description.place.width, description.place.height));
        if (auto* box = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(box->text().toStdString(), description.caption);
            EXPECT_EQ(widget->accessibleName().toStdString(), description.caption);
            continue;
        }
        ui::Label* label = window().label(description.label);
        ASSERT_NE(label, nullptr);
        EXPECT_LE(label->geometry().right(), widget->geometry().left()) << "label runs into its control";
        EXPECT_EQ(widget->accessibleName().toStdString(), label->caption());
    }
    EXPECT_EQ(qobject_cast<QAbstractButton*>(control("DBEdit6"))->text(), "Private");
    EXPECT_EQ(qobject_cast<QAbstractButton*>(control("DBEdit7"))->text(), "Business");

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

TEST_F(ContactWindow, MenusAndAboutHint) {
    auto itemsOf = [&](const char* menu) {
        std::vector<std::string> items;
        for (QAction* action : window().findChild<QMenu*>(menu)->actions())
            items.push_back(action->isSeparator() ? "-" : action->text().toStdString());
        return items;
    };
    EXPECT_EQ(itemsOf("Internet1"), (std::vector<std::string>{"&Home Page", "&Newsletter", "-", "&FAQ"}));
    EXPECT_EQ(itemsOf("MenuHelp"),
              (std::vector<std::string>{"&Help Topics", "-", "&Read Notices...", "-", "&About PPL..."}));
    EXPECT_NE(window().findChild<QAction*>("Newsletter1"), nullptr);
    EXPECT_NE(window().findChild<QAction*>("About"), nullptr);
    EXPECT_EQ(window().findChild<QAction*>("Newsleter1"), nullptr);
    EXPECT_EQ(window().speedButtons()[15]->hint(), "About PPL");
    EXPECT_EQ(catalogue::AboutDialog->caption(), "About Peopledex 1.1");
    EXPECT_EQ(catalogue::QueryDialog->caption(), "Peopledex 1.1");
}

TEST_F(ContactWindow, StartsOnNameAndTabWalksMainThenOthersInTheirOrders) {
    EXPECT_EQ(QApplication::focusWidget(), control("DBEdit1"));
    EXPECT_EQ(ActiveField, control("DBEdit1"));
    EXPECT_EQ(SearchFieldLabel.str(), "Name");
    EXPECT_EQ(SearchFieldName.str(), "Name");
    EXPECT_EQ(NotSearchable, 0);

    // Street, Country, Post Code, Region, Private, Business.
    for (const char* next : {"DBEdit2", "DBEdit5", "DBEdit3", "DBEdit4", "DBEdit6", "DBEdit7"}) {
        SCOPED_TRACE(next);
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control(next));
        EXPECT_EQ(ActiveField, control(next));
    }
    // Past the page's last control the focus leaves the data controls; Business stays the field last entered.
    press(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), control("DBEdit7"));
    EXPECT_EQ(ActiveField, control("DBEdit7"));

    // Fax, E-mail, Phone, URL.
    clickTab(1);
    ASSERT_EQ(window().pageControl()->currentIndex(), 1);
    EXPECT_EQ(ActiveField, control("DBEdit7"));
    window().pageControl()->tabBar()->setFocus(Qt::MouseFocusReason);
    for (const char* next : {"DBEdit9", "DBEdit10", "DBEdit8", "DBEdit11"}) {
        SCOPED_TRACE(next);
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control(next));
        EXPECT_EQ(ActiveField, control(next));
    }
}

TEST_F(ContactWindow, ChangingPagesEntersNotesOnlyWhenTheMemoTakesTheFocus) {
    QWidget* memo = control("DBEdit12");
    clickTab(2); // with the mouse
    ASSERT_EQ(window().pageControl()->currentIndex(), 2);
    EXPECT_NE(QApplication::focusWidget(), memo);
    EXPECT_EQ(ActiveField, control("DBEdit1"));
    EXPECT_EQ(SearchFieldName.str(), "Name");

    clickTab(0);
    control("DBEdit2")->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    press(Qt::Key_Tab, Qt::ControlModifier); // with the keyboard: to "Others"
    press(Qt::Key_Tab, Qt::ControlModifier); // and on to "Notes"
    ASSERT_EQ(window().pageControl()->currentIndex(), 2);
    EXPECT_NE(QApplication::focusWidget(), memo);
    EXPECT_EQ(ActiveField, control("DBEdit2"));
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
    EXPECT_EQ(ActiveField, control("DBEdit12"));
    EXPECT_EQ(SearchFieldLabel.str(), "Notes");
    EXPECT_EQ(SearchFieldName.str(), "Notes");

    outside->setFocus(Qt::OtherFocusReason);
    window().pageControl()->setCurrentIndex(1);
    control("DBEdit9")->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(ActiveField, control("DBEdit9"));
    EXPECT_EQ(SearchFieldName.str(), "Fax");
    EXPECT_EQ(NotSearchable, 1);
}

TEST_F(ContactWindow, EachControlRecordsItsLabelFieldAndSearchability) {
    struct Case {
        const char* control;
        const char* label;
        const char* field;
        int notSearchable;
    } cases[] = {
        {"DBEdit2", "Street", "Street", 0},  {"DBEdit3", "Post Code", "PostCode", 0},
        {"DBEdit4", "Region", "Region", 0},  {"DBEdit5", "Country", "Country", 0},
        {"DBEdit6", "Priva", "Personal", 1}, {"DBEdit7", "Busine", "Business", 1},
        {"DBEdit8", "Phone", "Phone", 0},    {"DBEdit9", "Fax", "Fax", 1},
        {"DBEdit10", "E-mail", "Email", 1},  {"DBEdit11", "URL", "Web", 0},
        {"DBEdit12", "Notes", "Notes", 0},   {"DBEdit1", "Name", "Name", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        QWidget* widget = control(c.control);
        window().pageControl()->setCurrentWidget(widget->parentWidget());
        widget->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(ActiveField, widget);
        EXPECT_EQ(SearchFieldLabel.str(), c.label);
        EXPECT_EQ(SearchFieldName.str(), c.field);
        EXPECT_EQ(NotSearchable, c.notSearchable);
    }
}

} // namespace
} // namespace orupim::editions
