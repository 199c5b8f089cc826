#include "platform/ui/enterevents.h"

#include "messageboxrecorder.h"
#include "platform/core/errors.h"
#include "platform/ui/form.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orupim::ui {
namespace {

using Log = std::vector<std::string>;

// A window holding the edit `outside` and a panel with the edits `first` and `second`, in that tab order;
// every one of the four logs its enter events.
class EnterEvents : public ::testing::Test {
protected:
    void SetUp() override {
        window.setGeometry(100, 100, 300, 200);
        outside = new QLineEdit(&window);
        outside->setGeometry(10, 10, 100, 20);
        panel = new QWidget(&window);
        panel->setGeometry(10, 50, 200, 100);
        first = new QLineEdit(panel);
        first->setGeometry(0, 0, 100, 20);
        second = new QLineEdit(panel);
        second->setGeometry(0, 40, 100, 20);
        onEnter(outside, [this] { log.push_back("outside"); });
        onEnter(panel, [this] { log.push_back("panel"); });
        onEnter(first, [this] { log.push_back("first"); });
        onEnter(second, [this] { log.push_back("second"); });
        outside->setFocus();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    Log takeLog() { return std::exchange(log, {}); }

    QWidget window;
    QLineEdit* outside = nullptr;
    QWidget* panel = nullptr;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    Log log;
};

TEST_F(EnterEvents, ContainerIsEnteredBeforeTheControlOnlyWhenFocusComesFromOutside) {
    // Showing the window puts the focus into its focused control, which is entered.
    EXPECT_EQ(takeLog(), (Log{"outside"}));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_EQ(takeLog(), (Log{"panel", "first"}));

    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), second);
    EXPECT_EQ(takeLog(), (Log{"second"}));

    QTest::keyClick(second, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(takeLog(), (Log{"first"}));

    QTest::mouseClick(outside, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), outside);
    EXPECT_EQ(takeLog(), (Log{"outside"}));

    second->setFocus();
    EXPECT_EQ(takeLog(), (Log{"panel", "second"}));

    // Focusing the control that has the focus already enters nothing.
    second->setFocus();
    EXPECT_EQ(takeLog(), Log{});
}

TEST_F(EnterEvents, EveryFocusChangeEntersAgain) {
    takeLog();
    for (int round = 0; round < 2; ++round) {
        first->setFocus();
        outside->setFocus();
    }
    EXPECT_EQ(takeLog(), (Log{"panel", "first", "outside", "panel", "first", "outside"}));
}

TEST_F(EnterEvents, LeavingTheWindowAndComingBackEntersNothing) {
    first->setFocus();
    takeLog();
    QWidget other;
    auto* otherEdit = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(QApplication::focusWidget(), otherEdit);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_EQ(takeLog(), Log{});
}

TEST_F(EnterEvents, AFailingHandlerIsShownAndTheFocusMovesAllTheSame) {
    test::MessageBoxRecorder recorder;
    onEnter(panel, [this] {
        log.push_back("panel");
        throw ListError();
    });
    first->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_EQ(takeLog(), (Log{"outside", "panel", "first"}));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "List index out of bounds.");

    onEnter(second, {});
    second->setFocus();
    EXPECT_EQ(takeLog(), Log{});
}

} // namespace
} // namespace orupim::ui

namespace orupim::ui {
namespace {

TEST(EnterEventsOnShow, FocusPutInByTheShowHandlerEntersThatControlOnce) {
    Form form;
    form.setClientSize(200, 100);
    auto* first = new QLineEdit(form.client());
    auto* second = new QLineEdit(form.client());
    second->move(0, 40);
    Log log;
    onEnter(first, [&] { log.push_back("first"); });
    onEnter(second, [&] { log.push_back("second"); });
    form.setOnShow([&] { second->setFocus(); });
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), second);
    EXPECT_EQ(log, Log{"second"});
}

} // namespace
} // namespace orupim::ui
