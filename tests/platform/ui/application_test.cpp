#include "platform/ui/application.h"

#include "messageboxrecorder.h"
#include "platform/core/errors.h"
#include "platform/kernel/messagebeep.h"
#include "platform/testing/beeprecorder.h"
#include "platform/testing/displaybeeprecorder.h"
#include "platform/testing/shellrecorder.h"
#include "platform/ui/menus.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orupim::ui {
namespace {

using Log = std::vector<std::string>;

// A form whose creation handler logs, reads the form's own variable and fails when asked to, after its first
// step.
class LoggingForm : public Form {
public:
    LoggingForm(Log& log, std::string name, LoggingForm** variable, bool createFails, bool showFails) {
        setOnCreate([=, &log] {
            log.push_back(name + " created, variable " + (*variable == this ? "set" : "unset"));
            setCaption(name);
            if (createFails)
                throw DatabaseError("Table does not exist: flx.db");
            log.push_back(name + " created to the end");
        });
        setOnShow([=, &log] {
            log.push_back(name + " shown");
            if (showFails)
                throw DatabaseError("Table is damaged");
        });
    }
};

TEST(Application, CreatesFormsInOrderAndAFailingCreationHandlerGoesNoFurther) {
    test::MessageBoxRecorder recorder;
    Log log;
    QPointer<LoggingForm> main, about, query;
    {
        Application application;
        application.setTitle("OruFLX 1.1");
        LoggingForm* mainWindow = nullptr;
        LoggingForm* aboutDialog = nullptr;
        LoggingForm* queryDialog = nullptr;
        application.createForm(mainWindow, log, "main", &mainWindow, true, false);
        application.createForm(aboutDialog, log, "about", &aboutDialog, false, false);
        application.createForm(queryDialog, log, "query", &queryDialog, false, false);
        main = mainWindow;
        about = aboutDialog;
        query = queryDialog;

        EXPECT_EQ(
            log, (Log{"main created, variable set", "about created, variable set", "about created to the end",
                      "query created, variable set", "query created to the end"}));
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_EQ(recorder.boxes[0].caption, "OruFLX 1.1");
        EXPECT_EQ(recorder.boxes[0].text, "Table does not exist: flx.db.");
        // The failed form is still created, with what its handler did before the failure.
        ASSERT_TRUE(main);
        EXPECT_EQ(main->caption(), "main");
        EXPECT_EQ(application.mainForm(), main.data());
        EXPECT_FALSE(main->isVisible());
    }
    // The application frees its forms.
    EXPECT_FALSE(main);
    EXPECT_FALSE(about);
    EXPECT_FALSE(query);
}

TEST(Application, RunShowsTheMainFormAndClosingItEndsTheLoop) {
    test::MessageBoxRecorder recorder;
    Log log;
    Application application;
    LoggingForm* mainWindow = nullptr;
    LoggingForm* other = nullptr;
    application.createForm(mainWindow, log, "main", &mainWindow, false, true);
    application.createForm(other, log, "other", &other, false, false);

    bool visibleInLoop = false;
    QTimer::singleShot(0, [&] {
        visibleInLoop = mainWindow->isVisible();
        // Closing another window does not end the loop; closing the main one does.
        other->show();
        other->close();
        QTimer::singleShot(0, [&] { mainWindow->close(); });
    });
    EXPECT_EQ(application.run(), 0);
    EXPECT_TRUE(visibleInLoop);
    EXPECT_FALSE(mainWindow->isVisible());
    // The show handler's failure is shown, and the form was shown all the same.
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Table is damaged.");
    EXPECT_EQ(log,
              (Log{"main created, variable set", "main created to the end", "other created, variable set",
                   "other created to the end", "main shown", "other shown"}));
}

TEST(Application, TerminateBeforeTheLoopShowsNothing) {
    Log log;
    Application application;
    LoggingForm* mainWindow = nullptr;
    application.createForm(mainWindow, log, "main", &mainWindow, false, false);
    application.terminate();
    EXPECT_EQ(application.run(), 0);
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_EQ(log.size(), 2u);
}

TEST(Application, HelpCommandHandsTheHelpFileToTheHelpEngine) {
    testing::ShellRecorder shell;
    Application application;
    application.setHelpFile("OruPIM.hlp");
    EXPECT_TRUE(application.helpCommand(shell::HELP_FINDER, 0));
    ASSERT_EQ(shell.helps.size(), 1u);
    EXPECT_EQ(shell.helps[0], (shell::HelpRequest{"OruPIM.hlp", shell::HELP_FINDER, 0}));
    shell.answer = false;
    EXPECT_FALSE(application.helpCommand(shell::HELP_FINDER, 0));
}

// MessageBeep rings the display's bell while the application object lives, and the terminal bell again
// after it; a beep put in place before it (a test's recorder) is left where it is.
TEST(Application, PutsTheDisplaysBeepBehindMessageBeep) {
    orupim::testing::DisplayBeepRecorder display;
    {
        Application application;
        EXPECT_TRUE(kernel::MessageBeep(kernel::MB_ICONEXCLAMATION));
        EXPECT_EQ(display.rings, 1);
    }
    const kernel::BeepFunction restored = kernel::setBeepImplementation({});
    EXPECT_FALSE(restored) << "the terminal bell is back";
    {
        orupim::testing::BeepRecorder recorder;
        Application application;
        kernel::MessageBeep(kernel::MB_ICONHAND);
        EXPECT_EQ(recorder.types, std::vector<unsigned>{kernel::MB_ICONHAND});
    }
    EXPECT_EQ(display.rings, 1);
}

TEST(Application, OnlyOneAtATime) {
    Application application;
    EXPECT_EQ(Application::current(), &application);
    EXPECT_THROW(Application(), Error);
    EXPECT_EQ(Application::current(), &application);
}

TEST(Form, ShowModalReturnsWhenTheFormIsClosed) {
    Form dialog;
    dialog.setCaption("SQL Select");
    dialog.setClientSize(294, 149);
    auto* edit = new QLineEdit(dialog.client());
    bool modalWhileShown = false;
    QTimer::singleShot(0, [&] {
        modalWhileShown = QApplication::activeModalWidget() == &dialog;
        edit->setText("abc");
        dialog.close();
    });
    dialog.showModal();
    EXPECT_TRUE(modalWhileShown);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(edit->text(), "abc");
    // Shown again, the same form keeps what it held.
    QTimer::singleShot(0, [&] { dialog.hide(); });
    dialog.showModal();
    EXPECT_EQ(edit->text(), "abc");
}

TEST(Form, ShowModalGivesTheActivationBack) {
    Form mainForm;
    auto* edit = new QLineEdit(mainForm.client());
    mainForm.setClientSize(200, 100);
    mainForm.show();
    mainForm.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainForm));
    edit->setFocus(Qt::OtherFocusReason);
    Form dialog;
    new QLineEdit(dialog.client());
    dialog.setClientSize(200, 100);
    bool dialogActive = false;
    QTimer::singleShot(0, [&] {
        dialogActive = QTest::qWaitForWindowActive(&dialog);
        dialog.close();
    });
    dialog.showModal();
    EXPECT_TRUE(dialogActive);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&mainForm));
    EXPECT_EQ(QApplication::focusWidget(), edit);
}

TEST(Form, ClientSizeFixesTheWindow) {
    Form form;
    addMenuItem(addMenu(form.menuBar(), "&File"), "&Exit", [] {});
    form.setClientSize(513, 373);
    form.show();
    EXPECT_EQ(form.client()->size(), QSize(513, 373));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_GT(form.height(), 373);

    form.centerOnScreen();
    QPoint middle = form.screen()->availableGeometry().center();
    EXPECT_LE((form.frameGeometry().center() - middle).manhattanLength(), 1);
}

} // namespace
} // namespace orupim::ui
