#include "platform/ui/statusbar.h"

#include "paintcounter.h"
#include "platform/core/errors.h"
#include "platform/ui/guard.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace orupim::ui {
namespace {

using test::PaintCounter;

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar.resize(513, 20);
        bar.addPanel(400, "PanelInfo");
        bar.addPanel(50, "PanelRec ");
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }
    StatusBar bar;
};

TEST_F(StatusBarTest, PanelsHoldTheirTextsAndWidths) {
    ASSERT_EQ(bar.panelCount(), 2);
    EXPECT_EQ(bar.panelText(0), "PanelInfo");
    EXPECT_EQ(bar.panelText(1), "PanelRec ");
    bar.setPanelText(1, " rec. 3 of 3");
    EXPECT_EQ(bar.panelText(1), " rec. 3 of 3");
    EXPECT_EQ(bar.panelWidth(0), 400);
    EXPECT_EQ(bar.panel(0)->geometry(), QRect(0, 0, 400, 20));
    // The last panel reaches the right edge.
    EXPECT_EQ(bar.panel(1)->geometry(), QRect(400, 0, 113, 20));
    EXPECT_THROW(bar.panelText(2), ListError);
    EXPECT_THROW(bar.setPanelText(-1, "x"), ListError);
}

TEST_F(StatusBarTest, RepaintNowPaintsBeforeItReturns) {
    PaintCounter counter(bar.panel(0));
    bar.setPanelText(0, "No next record.");
    EXPECT_EQ(counter.paints, 0) << "a text change alone paints only when the loop runs";
    bar.repaintNow();
    EXPECT_GE(counter.paints, 1);
}

TEST_F(StatusBarTest, ClickAndDoubleClick) {
    int clicks = 0;
    int doubleClicks = 0;
    connectGuarded(&bar, &StatusBar::clicked, [&] { ++clicks; });
    connectGuarded(&bar, &StatusBar::doubleClicked, [&] { ++doubleClicks; });

    // On a panel and on the bar alike.
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(450, 10));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubleClicks, 0);

    // A double click: the first click is a click, the second only the double click.
    clicks = 0;
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(&bar, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);

    // The right button is no click.
    QTest::mouseClick(&bar, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
}

TEST_F(StatusBarTest, PanelsExposeTheirCurrentTexts) {
    bar.setPanelText(0, "Field not searchable.");
    QAccessibleInterface* barInterface = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(barInterface, nullptr);
    ASSERT_EQ(barInterface->childCount(), 2);
    EXPECT_EQ(barInterface->child(0)->text(QAccessible::Name), "Field not searchable.");
    EXPECT_EQ(barInterface->child(1)->text(QAccessible::Name), "PanelRec ");
    bar.setPanelText(1, " rec. 0 of 0");
    EXPECT_EQ(barInterface->child(1)->text(QAccessible::Name), " rec. 0 of 0");
}

} // namespace
} // namespace orupim::ui
