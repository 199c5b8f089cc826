#include "platform/ui/enterevents.h"
#include "platform/ui/label.h"
#include "platform/ui/menus.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/screencursor.h"
#include "platform/ui/speedbutton.h"

#include "messageboxrecorder.h"
#include "platform/core/errors.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace orupim::ui {
namespace {

TEST(SpeedButton, TakesNoFocusAndRunsItsHandlerGuarded) {
    test::MessageBoxRecorder recorder;
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* button = new SpeedButton(&window);
    button->move(0, 30);
    button->setHint("First Record");
    int clicks = 0;
    connectGuarded(button, &SpeedButton::clicked, [&] {
        ++clicks;
        throw DatabaseError("Cannot modify a read-only dataset");
    });
    edit->setFocus();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Cannot modify a read-only dataset.");

    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), button) << "Tab passes speed buttons by";
    EXPECT_EQ(button->size(), QSize(26, 26));
    EXPECT_EQ(button->toolTip(), "First Record");
    EXPECT_EQ(button->hint(), "First Record");
}

// A caption button placed too narrow for its caption grows to show it whole; one fixed at its size, or
// showing a picture, keeps its size.
TEST(SpeedButton, GrowsToShowItsCaptionUnlessFixed) {
    QWidget form;
    form.resize(420, 340);
    SpeedButton narrow(&form);
    narrow.setCaption("&Previous");
    narrow.setGeometry(80, 306, 20, 25);
    SpeedButton placed(&form);
    placed.setCaption("&Next");
    placed.setGeometry(196, 306, 100, 25);
    SpeedButton fixed(&form);
    fixed.setFixedSize(20, 25);
    fixed.setCaption("&Close");
    SpeedButton picture(&form);
    picture.setPicture(QIcon(QPixmap(24, 24)), QSize(24, 24));
    form.show(); // a hidden control learns of its size when it is shown

    EXPECT_EQ(narrow.pos(), QPoint(80, 306));
    EXPECT_GE(narrow.width(), narrow.fontMetrics().horizontalAdvance(QStringLiteral("Previous")));
    EXPECT_EQ(narrow.height(), 25);
    EXPECT_EQ(placed.size(), QSize(100, 25));
    EXPECT_EQ(fixed.size(), QSize(20, 25));
    EXPECT_EQ(picture.size(), QSize(26, 26));
}

TEST(SpeedButton, CaptionGivesAnAccessKey) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* button = new SpeedButton(&window);
    button->setCaption("&Execute");
    button->setGeometry(38, 110, 99, 25);
    int clicks = 0;
    connectGuarded(button, &SpeedButton::clicked, [&] { ++clicks; });
    edit->setFocus();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(edit, Qt::Key_E, Qt::AltModifier);
    // The access key presses the button visibly and clicks it a moment later.
    for (int wait = 0; wait < 100 && clicks == 0; ++wait)
        QTest::qWait(10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(QApplication::focusWidget(), edit);
}

TEST(Menus, SeparatorsDisabledItemsAndGuardedHandlers) {
    test::MessageBoxRecorder recorder;
    QMenuBar bar;
    QMenu* file = addMenu(&bar, "&File");
    QAction* import = addMenuItem(file, "&Import Data", {});
    QAction* line = addMenuItem(file, "-", [] { FAIL() << "a separator has no handler"; });
    int exits = 0;
    QAction* exit = addMenuItem(file, "&Exit", [&] {
        ++exits;
        throw ListError();
    });
    EXPECT_EQ(file->title(), "&File");
    EXPECT_FALSE(import->isEnabled());
    EXPECT_TRUE(line->isSeparator());
    EXPECT_TRUE(exit->isEnabled());
    EXPECT_TRUE(exit->shortcut().isEmpty());

    import->trigger();
    exit->trigger();
    EXPECT_EQ(exits, 1);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "List index out of bounds.");
}

TEST(PageControl, ShowsOnePageAtATime) {
    PageControl pages;
    pages.resize(513, 320);
    QWidget* main = pages.addPage("Main");
    QWidget* notes = pages.addPage("Notes");
    QWidget* loans = pages.addPage("Loans");
    auto* memo = new QLineEdit(notes);
    pages.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pages));
    EXPECT_EQ(pages.pageCount(), 3);
    EXPECT_EQ(pages.activePage(), main);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(notes->isVisible());
    pages.setActivePage(loans);
    EXPECT_TRUE(loans->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(memo->isVisible());
    EXPECT_EQ(pages.tabText(1), "Notes");
}

TEST(PageControl, SwitchingPagesGivesTheFocusToTheTabsNotToAControlOfTheNewPage) {
    QWidget window;
    window.resize(513, 320);
    auto* pages = new PageControl(&window);
    pages->resize(513, 320);
    QWidget* main = pages->addPage("Main");
    QWidget* notes = pages->addPage("Notes");
    QWidget* loans = pages->addPage("Loans");
    auto* director = new QLineEdit(main);
    auto* memo = new QLineEdit(notes);
    auto* name = new QLineEdit(loans);
    int entered = 0;
    onEnter(memo, [&] { ++entered; });
    onEnter(name, [&] { ++entered; });
    director->setFocus();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(QApplication::focusWidget(), director);

    QTabBar* tabs = pages->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(pages->activePage(), notes);
    EXPECT_EQ(QApplication::focusWidget(), tabs);

    memo->setFocus();
    entered = 0;
    pages->setActivePage(loans);
    EXPECT_EQ(QApplication::focusWidget(), tabs);
    EXPECT_EQ(entered, 0);
}

TEST(Label, NamesItsControlAndItsAccessKeyFocusesIt) {
    QWidget window;
    auto* other = new QLineEdit(&window);
    auto* edit = new QLineEdit(&window);
    auto* label = new Label("Director :", &window);
    label->setFocusControl(edit);
    EXPECT_EQ(edit->accessibleName(), "Director :");
    label->setCaption("&Title :");
    EXPECT_EQ(edit->accessibleName(), "Title :");
    EXPECT_EQ(label->caption(), "&Title :");

    other->setFocus();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(other, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), edit);
}

// A label sizes itself to each caption; one that shows paths shortens those too long for the room up to its
// parent's right edge, keeping the file name whole when it fits, and keeps the whole path as its caption.
TEST(Label, GrowsWithItsCaptionAndShortensAPathToItsRoom) {
    QWidget page;
    page.resize(240, 40);
    Label grows("from:", &page);
    const int before = grows.width();
    grows.setCaption("from: a longer caption");
    EXPECT_GT(grows.width(), before);
    EXPECT_GE(grows.width(), grows.fontMetrics().horizontalAdvance(QStringLiteral("from: a longer caption")));

    Label path("", &page);
    path.move(40, 20);
    path.setElidedInMiddle(true);
    const struct {
        const char* caption;
        const char* shownEnd; // nullptr: shown whole
    } cases[] = {
        {"c:\\oru\\flx.exe", nullptr},
        {"c:\\program files\\brenmoor\\personal catalogues\\videos\\flx.exe", "\\flx.exe"},
        {"c:\\a-file-name-far-too-long-for-the-room-beside-its-label-on-the-page.dat", ".dat"},
    };
    for (const auto& x : cases) {
        SCOPED_TRACE(x.caption);
        path.setCaption(x.caption);
        EXPECT_EQ(path.caption(), x.caption);
        EXPECT_EQ(path.accessibleName().toStdString(), x.caption);
        EXPECT_LE(path.geometry().right(), page.width() - 1);
        if (x.shownEnd) {
            EXPECT_TRUE(path.text().contains(QStringLiteral("…"))) << path.text().toStdString();
            EXPECT_TRUE(path.text().endsWith(QString::fromLatin1(x.shownEnd))) << path.text().toStdString();
        } else {
            EXPECT_EQ(path.text().toStdString(), x.caption);
        }
    }
}

TEST(ScreenCursor, DefaultRestoresHoweverOftenTheHourGlassWasSet) {
    EXPECT_EQ(screenCursor(), ScreenCursor::Default);
    setScreenCursor(ScreenCursor::HourGlass);
    setScreenCursor(ScreenCursor::HourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    setScreenCursor(ScreenCursor::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(screenCursor(), ScreenCursor::Default);

    try {
        HourGlassScope hourGlass;
        EXPECT_EQ(screenCursor(), ScreenCursor::HourGlass);
        throw ListError();
    } catch (const ListError&) {
    }
    EXPECT_EQ(screenCursor(), ScreenCursor::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace orupim::ui
