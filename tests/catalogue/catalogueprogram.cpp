#include "catalogueprogram.h"

#include "catalogue/modulevalues.h"
#include "catalogue/startup.h"
#include "catalogue/waitdialog.h"
#include "platform/db/query.h"
#include "platform/db/session.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"
#include "platform/kernel/messagebeep.h"
#include "platform/kernel/sleep.h"
#include "platform/registry/registry.h"
#include "platform/ui/application.h"
#include "platform/ui/dbcombobox.h"
#include "platform/ui/guard.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/statusbar.h"
#include "temproot.h"
#include "userinput.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace orupim::catalogue::test {

CatalogueProgram::CatalogueProgram(const Edition& edition, const std::string& directory)
    : edition_(edition), directory_(orupim::test::tempRoot() / directory) {
    resetModuleValues();
    std::filesystem::create_directories(directory_);
    files::setProgramFileImplementation([program = directory_ / edition.deliverable] { return program; });
    kernel::setSleepImplementation([this](std::uint32_t milliseconds) {
        pauses.push_back({milliseconds, splashShown(), MainWindow && AboutDialog && QueryDialog});
    });
    kernel::setBeepImplementation([this](unsigned type) { beeps.push_back(type); });
}

bool CatalogueProgram::splashShown() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<TWaitDialog*>(widget) && widget->isVisible())
            return true;
    return false;
}

CatalogueProgram::~CatalogueProgram() {
    stop();
    files::setProgramFileImplementation({});
    kernel::setSleepImplementation({});
    kernel::setBeepImplementation({});
}

void CatalogueProgram::writeListFile(const std::string& text) const {
    std::ofstream(directory_ / edition_.listFile, std::ios::binary) << text;
}

std::string CatalogueProgram::driveDirectory() const {
    return files::toDrive(directory_) + "\\";
}

namespace {

// Reaches the program directory's table through an alias of the test's own, so that the program's alias
// ORUPIM is left as the test set it up.
constexpr const char* TestAlias = "TESTDATA";

class TableQuery {
public:
    TableQuery(const std::string& directory, const std::string& table) {
        db::Session& session = db::Session::instance();
        if (!session.isAlias(TestAlias))
            session.addStandardAlias(TestAlias, directory, "PARADOX");
        query.setDatabaseName(TestAlias);
        query.addSql("select * from " + table);
        query.open();
    }
    ~TableQuery() {
        query.close();
        db::Session::instance().deleteAlias(TestAlias);
    }
    db::Query query;
};

} // namespace

void CatalogueProgram::createTable(const std::vector<Record>& records) const {
    db::Session::createTable(driveDirectory(), *edition_.layout);
    TableQuery table(driveDirectory(), edition_.table);
    for (const Record& record : records) {
        table.query.insert();
        for (const auto& [name, text] : record)
            table.query.fieldByName(name).setAsText(text);
        table.query.post();
    }
}

std::vector<Record> CatalogueProgram::storedRecords() const {
    TableQuery table(driveDirectory(), edition_.table);
    std::vector<Record> records;
    for (table.query.first(); !table.query.eof(); table.query.next()) {
        Record record;
        for (int i = 0; i < table.query.fieldCount(); ++i)
            record[table.query.field(i).fieldName()] = table.query.field(i).asText();
        records.push_back(record);
    }
    return records;
}

std::vector<std::string> CatalogueProgram::storedValues(const std::string& field) const {
    std::vector<std::string> values;
    for (const Record& record : storedRecords())
        values.push_back(record.at(field));
    return values;
}

void CatalogueProgram::makeTableReadOnly() const {
    std::filesystem::permissions(directory_ / (edition_.table + ".db"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                     std::filesystem::perms::others_read);
}

void CatalogueProgram::startWithoutShowing() {
    application_ = std::make_unique<ui::Application>();
    startCatalogue(*application_, edition_);
}

void CatalogueProgram::show() {
    MainWindow->show();
    MainWindow->activateWindow();
    QApplication::setActiveWindow(MainWindow);
    (void)QTest::qWaitForWindowActive(MainWindow, 2000);
    QApplication::processEvents();
}

void CatalogueProgram::start() {
    startWithoutShowing();
    show();
}

::testing::AssertionResult CatalogueProgram::startWith(const std::vector<Record>& records) {
    createTable(records);
    start();
    if (!boxes.boxes.empty())
        return ::testing::AssertionFailure() << "start-up showed: " << boxes.boxes.front().text;
    return ::testing::AssertionSuccess();
}

void CatalogueProgram::stop() {
    application_.reset();
    resetModuleValues();
}

TMainWindow& CatalogueProgram::window() const {
    return *MainWindow;
}

std::string CatalogueProgram::message() const {
    return MainWindow->statusBar()->panelText(0);
}

std::string CatalogueProgram::counts() const {
    return MainWindow->statusBar()->panelText(1);
}

QWidget* CatalogueProgram::control(const std::string& name) const {
    QWidget* widget = MainWindow->dataControl(name);
    if (!widget)
        ADD_FAILURE() << "no data control " << name;
    return widget;
}

std::string CatalogueProgram::shown(const std::string& control) const {
    return MainWindow->controlText(edition_.controlIndex(control));
}

QLineEdit* CatalogueProgram::editBox(const std::string& name) const {
    QWidget* widget = control(name);
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->lineEdit();
    return qobject_cast<QLineEdit*>(widget);
}

StringList CatalogueProgram::entries(const std::string& listField) const {
    auto* list = qobject_cast<ui::DBComboBox*>(control(listField));
    if (!list) {
        ADD_FAILURE() << listField << " is no drop-down field";
        return {};
    }
    return list->entries();
}

std::string CatalogueProgram::field(const std::string& name) const {
    return MainWindow->mainQuery().fieldByName(name).asText();
}

void CatalogueProgram::enter(const std::string& name) const {
    QWidget* widget = control(name);
    orupim::test::enter(widget);
    EXPECT_EQ(ActiveField, widget) << name << " was not entered";
}

void CatalogueProgram::type(const std::string& name, const QString& text) const {
    enter(name);
    orupim::test::typeAtEnd(control(name), text);
}

namespace {

// Clears the message panel, runs a step of the user's and answers the message it left.
std::string messageAfter(const std::function<void()>& step) {
    MainWindow->statusBar()->setPanelText(0, "");
    step();
    QApplication::processEvents();
    return MainWindow->statusBar()->panelText(0);
}

} // namespace

std::string CatalogueProgram::click(std::size_t speedButton) const {
    return messageAfter([&] { orupim::test::click(MainWindow->speedButtons().at(speedButton)); });
}

std::string CatalogueProgram::choose(const std::string& menuItem) const {
    return messageAfter([&] {
        auto* item = MainWindow->findChild<QAction*>(QString::fromStdString(menuItem));
        if (item)
            item->trigger();
        else
            ADD_FAILURE() << "no menu item " << menuItem;
    });
}

std::string CatalogueProgram::run(void (TMainWindow::*command)()) const {
    return messageAfter([&] { ui::runGuarded([&] { (MainWindow->*command)(); }); });
}

void registerBrowser(const std::string& command) {
    Registry registry;
    registry.setRootKey(RootKey::ClassesRoot);
    ASSERT_TRUE(registry.openKey("\\http\\shell\\open\\command", true));
    registry.writeString("", command);
}

} // namespace orupim::catalogue::test
