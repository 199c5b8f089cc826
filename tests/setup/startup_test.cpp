// Start-up of the setup program: the splash over the pause, the title, the backdrop with the package's texts,
// the one-shot timer, and the missing package that ends the program before anything else is shown.
#include "setup/startup.h"

#include "platform/files/filesystem.h"
#include "platform/kernel/sleep.h"
#include "platform/testing/platformrecorders.h"
#include "platform/ui/application.h"
#include "platform/ui/screencursor.h"
#include "platform/ui/speedbutton.h"
#include "setup/maindialog.h"
#include "setup/mainwindow.h"
#include "setup/modulevalues.h"
#include "setup/waitdialog.h"
#include "setupprogram.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace orupim::setup {
namespace {

bool splashShown() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<TWaitDialog*>(widget) && widget->isVisible())
            return true;
    return false;
}

// Each pause with whether the splash was up and whether the backdrop existed yet.
struct Pause {
    std::uint32_t milliseconds;
    bool splashShown;
    bool backdropCreated;
};

class SetupStartUp : public ::testing::Test {
protected:
    SetupStartUp() {
        previousSleep_ = kernel::setSleepImplementation([this](std::uint32_t milliseconds) {
            pauses.push_back({milliseconds, splashShown(), MainWindow != nullptr});
        });
    }
    ~SetupStartUp() override { kernel::setSleepImplementation(previousSleep_); }

    std::string label(QLabel* label) const { return label->text().toStdString(); }

    test::SetupDirectory directory;
    orupim::testing::MessageBoxRecorder boxes;
    std::vector<Pause> pauses;

private:
    kernel::SleepFunction previousSleep_;
};

TEST_F(SetupStartUp, ShowsTheBackdropWithThePackagesTexts) {
    directory.copyPackage("full.ipi");
    ui::Application application;
    startSetup(application);

    ASSERT_EQ(pauses.size(), 1u);
    EXPECT_EQ(pauses[0].milliseconds, 3000u);
    EXPECT_TRUE(pauses[0].splashShown);
    EXPECT_FALSE(pauses[0].backdropCreated);
    EXPECT_FALSE(splashShown());
    EXPECT_TRUE(boxes.boxes.empty());

    EXPECT_EQ(application.title(), "OruInst 1.0");
    ASSERT_NE(MainWindow, nullptr);
    EXPECT_EQ(application.mainForm(), MainWindow);
    EXPECT_EQ(SetupDir.str(), files::programDirectory());
    EXPECT_EQ(IpiPath.str(), SetupDir.str() + "OruInst.ipi");
    EXPECT_EQ(SetupTitle.str(), "OruFLX 1.1");
    EXPECT_EQ(MainWindow->caption(), "OruFLX 1.1");
    EXPECT_EQ(label(MainWindow->ProductLabel), "OruFLX 1.1 Install");
    EXPECT_EQ(label(MainWindow->ProductShadeLabel), "OruFLX 1.1 Install");
    EXPECT_EQ(MainWindow->ProductLabel->pos(), QPoint(52, 18));
    EXPECT_EQ(MainWindow->ProductShadeLabel->pos(), QPoint(52, 20));
    EXPECT_EQ(label(MainWindow->ByLabel), label(MainWindow->ByShadeLabel));
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);
    EXPECT_TRUE(MainWindow->Timer1->isActive());
    EXPECT_EQ(MainWindow->Timer1->interval(), 1000);

    EXPECT_EQ(MainWindow->geometry().topLeft(), QPoint(0, 0));
}

TEST_F(SetupStartUp, WithoutSettingsTheBackdropNamesTheDefaultProduct) {
    directory.copyPackage("nosettings.ipi");
    ui::Application application;
    startSetup(application);
    EXPECT_EQ(label(MainWindow->ProductLabel), "OruTest Beta Install");
    EXPECT_EQ(MainWindow->caption(), "OruTest Beta");
    EXPECT_EQ(DefaultDir.str(), "c:\\tmp");
}

TEST_F(SetupStartUp, CutsTheLongProductNameIntoLabelAndTitle) {
    directory.writePackage("[Settings]\r\nApplication=" + std::string(300, 'N') + "\r\n");
    ui::Application application;
    startSetup(application);
    EXPECT_EQ(label(MainWindow->ProductLabel), std::string(255, 'N'));
    EXPECT_EQ(SetupTitle.str(), std::string(255, 'N'));
    EXPECT_EQ(MainWindow->caption(), std::string(255, 'N'));
}

TEST_F(SetupStartUp, MissingPackageShowsTheErrorAndEndsTheProgram) {
    ui::Application application;
    startSetup(application);

    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Error");
    EXPECT_EQ(boxes.boxes[0].text, "No IPI, exiting instalation.");
    EXPECT_EQ(boxes.boxes[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(AppName.str(), "");
    EXPECT_FALSE(MainWindow->Timer1->isActive());
    EXPECT_TRUE(application.terminated());
    EXPECT_EQ(application.run(), 0);
    EXPECT_FALSE(MainWindow->isVisible());
}

TEST_F(SetupStartUp, TimerOpensTheWizardModallyAndFinishEndsTheProgram) {
    directory.copyPackage("nosettings.ipi");
    ui::Application application;
    startSetup(application);
    bool wizardWasModal = false;
    QTimer watcher;
    watcher.setInterval(20);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (!MainDialog || !MainDialog->isVisible())
            return;
        wizardWasModal = MainDialog->isModal() || MainDialog->windowModality() != Qt::NonModal;
        QTest::mouseClick(MainDialog->CancelBut, Qt::LeftButton);
        QTest::mouseClick(MainDialog->NextBut, Qt::LeftButton);
    });
    watcher.start();
    EXPECT_EQ(application.run(), 0);
    ASSERT_NE(MainDialog, nullptr);
    EXPECT_TRUE(wizardWasModal);
    EXPECT_EQ(WizardState, StepFinal);
    EXPECT_FALSE(MainWindow->Timer1->isActive());
}

} // namespace
} // namespace orupim::setup
