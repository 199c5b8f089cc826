#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/menus.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/statusbar.h"
#include "screenshot.h"
#include "windowfit.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace orupim::ui {
namespace {

QString accessibleName(QObject* object) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    return interface ? interface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

TEST(Accessibility, WindowFieldsButtonsMenusAndPagesAreNamed) {
    Form form;
    form.setCaption("Filmdex 1.1");
    QMenu* navigate = addMenu(form.menuBar(), "&Navigate");
    QAction* first = addMenuItem(navigate, "&First Record", [] {});
    auto* pages = new PageControl(form.client());
    QWidget* main = pages->addPage("Main");
    auto* edit = new QLineEdit(main);
    auto* label = new Label("Director :", main);
    label->setFocusControl(edit);
    auto* button = new SpeedButton(form.client());
    button->setHint("Find Record");
    form.show();

    EXPECT_EQ(accessibleName(&form), "Filmdex 1.1");
    EXPECT_EQ(accessibleName(edit), "Director :");
    EXPECT_EQ(accessibleName(button), "Find Record");
    EXPECT_EQ(accessibleName(main), "Main");

    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(form.menuBar());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->childCount(), 1);
    EXPECT_EQ(bar->child(0)->text(QAccessible::Name), "Navigate");
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(navigate);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->childCount(), 1);
    EXPECT_EQ(menu->child(0)->text(QAccessible::Name), "First Record");
    EXPECT_FALSE(first->text().isEmpty());

    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(pages->tabBar());
    ASSERT_NE(tabs, nullptr);
    ASSERT_GE(tabs->childCount(), 1);
    EXPECT_EQ(tabs->child(0)->text(QAccessible::Name), "Main");
}

TEST(Accessibility, TheRealMessageBoxCarriesItsCaptionAndText) {
    QString name, description, buttonName;
    bool sawBox = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        sawBox = true;
        name = accessibleName(box);
        description = QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
        buttonName = accessibleName(box->button(QMessageBox::Ok));
        box->accept();
    });
    showMessageBox("OruFLX 1.1", "Cannot open file flx.db.", MessageIcon::Error);
    ASSERT_TRUE(sawBox);
    EXPECT_EQ(name, "OruFLX 1.1");
    EXPECT_EQ(description, "Cannot open file flx.db.");
    EXPECT_EQ(buttonName, "OK");
}

QAccessible::Role roleOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->role();
}

TEST(Accessibility, MainWindowsAreFramesDialogsAndModalFormsAreDialogs) {
    Form main;
    main.setCaption("OruFLX 1.1");
    Form dialog;
    dialog.setWindowFlags(Qt::Dialog);
    Form modal;
    modal.setWindowModality(Qt::ApplicationModal);
    auto* bar = new StatusBar(main.client());
    bar->addPanel(400, "Ready.");
    EXPECT_EQ(roleOf(&main), QAccessible::Window);
    EXPECT_EQ(accessibleName(&main), "OruFLX 1.1");
    EXPECT_EQ(roleOf(&dialog), QAccessible::Dialog);
    EXPECT_EQ(roleOf(&modal), QAccessible::Dialog);
    EXPECT_EQ(roleOf(bar), QAccessible::StatusBar);
    EXPECT_EQ(accessibleName(bar->panel(0)), "Ready.");
}

TEST(Accessibility, MessageBoxesAreDialogsShowingTheirTextsWhole) {
    const std::vector<std::pair<MessageIcon, const char*>> boxes = {
        {MessageIcon::Error, "Cannot open file Z:\\a\\rather\\long\\path\\to\\the\\catalogue\\flx.db."},
        {MessageIcon::Warning, "Undo or save the current record first."},
        {MessageIcon::Information, "Already at the begining."}};
    for (const auto& [icon, text] : boxes) {
        SCOPED_TRACE(text);
        QAccessible::Role role = QAccessible::NoRole;
        std::vector<std::string> faults = {"no box"};
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            role = roleOf(box);
            faults = orupim::test::fitFaults(box);
            orupim::test::saveScreenshot(*box, "messagebox-" + std::to_string(static_cast<int>(icon)));
            box->accept();
        });
        showMessageBox("OruFLX 1.1", text, icon);
        EXPECT_EQ(role, QAccessible::Dialog);
        EXPECT_EQ(faults, std::vector<std::string>{});
    }
}

} // namespace
} // namespace orupim::ui
