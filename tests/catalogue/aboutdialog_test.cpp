// The about box: its form and lines, and its modal showing from the tool bar and the Help menu, closed by its
// button or Enter and left open by Escape, with the record's state left as it was.
#include "catalogue/aboutdialog.h"
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/ui/screencursor.h"
#include "platform/ui/speedbutton.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.startWith({{{"Director", "Lang"}, {"Title", "Metropolis"}}}));
    }
    // Opens the box with `open` and runs `whileOpen` once it is up. A box still open a while later is closed,
    // so that a fault cannot hang the test; answers whether the box was closed by `whileOpen`.
    bool openAndRun(const std::function<void()>& open, const std::function<void()>& whileOpen) {
        bool forced = false;
        QTimer::singleShot(0, [&] {
            sawModal = AboutDialog->isVisible() && AboutDialog->isModal();
            // Keys go to the active window, as the user's would.
            QApplication::setActiveWindow(AboutDialog);
            (void)QTest::qWaitForWindowActive(AboutDialog, 2000);
            whileOpen();
            QApplication::processEvents();
            if (AboutDialog->isVisible())
                QTimer::singleShot(500, [&] {
                    forced = AboutDialog->isVisible();
                    AboutDialog->hide();
                });
        });
        open();
        return !forced;
    }
    void pressOnBox(Qt::Key key) { QTest::keyClick(AboutDialog, key); }

    test::CatalogueProgram program{videoEdition()};
    bool sawModal = false;
};

TEST_F(AboutBox, FormAndLines) {
    EXPECT_EQ(AboutDialog->caption(), "About Filmdex 1.1");
    EXPECT_EQ(AboutDialog->client()->size(), QSize(421, 328));
    EXPECT_EQ(AboutDialog->minimumSize(), AboutDialog->maximumSize()); // not resizable
    EXPECT_FALSE(AboutDialog->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(AboutDialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(AboutDialog->isVisible());
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);

    auto* icon = AboutDialog->findChild<QLabel*>("AboutIco");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->size(), QSize(32, 32));
    struct Line {
        const char* name;
        const char* family;
        int pixelSize;
        QColor colour;
    } lines[] = {
        {"LabProd_1", "Arial", 19, Qt::black},
        {"LabProd_2", "Arial", 16, QColor(128, 0, 0)},
        {"LabMaker_1", "MS Sans Serif", 11, Qt::black},
    };
    int lastTop = icon->y();
    for (const Line& line : lines) {
        SCOPED_TRACE(line.name);
        auto* label = AboutDialog->findChild<QLabel*>(line.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->font().family(), line.family);
        EXPECT_EQ(label->font().pixelSize(), line.pixelSize);
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), line.colour);
        EXPECT_GE(label->y(), lastTop); // top to bottom
        lastTop = label->y();
    }
    EXPECT_EQ(AboutDialog->LabProd_2->text().toStdString(), "Filmdex 1.1");
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(AboutDialog);
    EXPECT_EQ(box->role(), QAccessible::Dialog);
    EXPECT_EQ(box->text(QAccessible::Name), "About Filmdex 1.1");
    EXPECT_EQ(
        box->text(QAccessible::Description),
        "OruPIM personal catalogues. Filmdex 1.1. Brenmoor. Windows 95 and NT Version. Keeps your videos, "
        "software, music, books and contacts.");
    for (const char* bevel : {"Bevel1", "Bevel2"})
        EXPECT_NE(AboutDialog->findChild<QFrame*>(bevel), nullptr) << bevel;
    ASSERT_NE(AboutDialog->CloseBut, nullptr);
    EXPECT_EQ(AboutDialog->CloseBut->text(), "&Close");
    const QRect button = AboutDialog->CloseBut->geometry();
    EXPECT_NEAR(button.center().x(), 421 / 2, 1);
    EXPECT_GT(button.top(), lastTop);
}

TEST_F(AboutBox, ButtonAndMenuItemShowItModallyUntilClosed) {
    TMainWindow& window = program.window();
    const std::function<void()> openers[] = {
        [&] { window.speedButtons()[15]->click(); },
        [&] { window.findChild<QAction*>("AboutOruFLX1")->trigger(); },
    };
    const std::function<void()> closers[] = {
        [] { AboutDialog->CloseBut->click(); },
        [] { AboutDialog->close(); }, // the close box
        [this] { pressOnBox(Qt::Key_Return); },
        [this] { pressOnBox(Qt::Key_Enter); },
    };
    for (const auto& open : openers)
        for (const auto& close : closers) {
            sawModal = false;
            EXPECT_TRUE(openAndRun(open, close));
            EXPECT_TRUE(sawModal);
            EXPECT_FALSE(AboutDialog->isVisible());
        }
    // Hidden, not freed: the same texts at the next showing.
    EXPECT_EQ(AboutDialog->caption(), "About Filmdex 1.1");
}

TEST_F(AboutBox, EscapeAndOtherKeysLeaveItOpen) {
    bool openAfterKeys = false;
    EXPECT_TRUE(openAndRun([&] { program.window().AboutClick(); },
                           [&] {
                               for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_C, Qt::Key_Tab})
                                   pressOnBox(key);
                               QApplication::processEvents();
                               openAfterKeys = AboutDialog->isVisible();
                               AboutDialog->CloseBut->click();
                           }));
    EXPECT_TRUE(openAfterKeys);
}

TEST_F(AboutBox, OpeningWhileEditingKeepsTheRecordAsTyped) {
    TMainWindow& window = program.window();
    for (auto command : {&TMainWindow::EditRecClick, &TMainWindow::AddRecClick}) {
        SCOPED_TRACE(command == &TMainWindow::EditRecClick ? "edit" : "add");
        (window.*command)();
        const db::DataSetState state = window.mainDataSource().state();
        ASSERT_NE(state, db::DataSetState::Browse);
        program.type("DBEdit2", "Faust");
        const std::string typed = window.controlText(1);

        EXPECT_TRUE(openAndRun([&] { window.AboutClick(); }, [] { AboutDialog->CloseBut->click(); }));
        EXPECT_EQ(window.mainDataSource().state(), state);
        EXPECT_EQ(window.controlText(1), typed);
        window.UndoChangesClick();
    }
}

TEST(AboutBoxCreation, ALongWindowTitleCutsTheCaptionTo255Characters) {
    const CountedString before = WindowTitle;
    WindowTitle = CountedString(std::string(255, 't'));
    TAboutDialog box;
    box.runCreateHandler();
    EXPECT_EQ(box.caption(), "About " + std::string(249, 't'));
    EXPECT_EQ(box.LabProd_2->text().toStdString(), std::string(255, 't'));
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);
    WindowTitle = before;
}

} // namespace
} // namespace orupim::catalogue
