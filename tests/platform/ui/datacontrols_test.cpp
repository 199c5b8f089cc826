#include "platform/ui/dbcheckbox.h"
#include "platform/ui/dbcombobox.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/dbmemo.h"

#include "messageboxrecorder.h"
#include "platform/core/errors.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/db/session.h"
#include "platform/ui/label.h"
#include "platform/ui/pagecontrol.h"
#include "temproot.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orupim::ui {
namespace {

using db::DataSetState;
using db::FieldKind;

// A table of two records in a directory of its own, a live query over it with its data source (automatic
// editing off), and a window with one control of each kind on two pages.
class DataControls : public ::testing::Test {
protected:
    void SetUp() override {
        static int tables = 0;
        std::string directory = "UI" + std::to_string(++tables);
        std::filesystem::create_directories(orupim::test::tempRoot() / "drive_c" / directory);
        std::string path = "C:\\" + directory + "\\";
        tableFile = orupim::test::tempRoot() / "drive_c" / directory / "flx.db";
        alias = "UITEST" + std::to_string(tables);
        db::RecordLayout layout{"flx",
                                {{"Title", FieldKind::Text, 40, true},
                                 {"Director", FieldKind::Text, 10},
                                 {"Category", FieldKind::Text, 20},
                                 {"Borrowed", FieldKind::Logical},
                                 {"Date", FieldKind::Date},
                                 {"Notes", FieldKind::Memo, 20},
                                 {"Tracks", FieldKind::AutoIncrement}}};
        db::Session::createTable(path, layout);
        db::Session::instance().addStandardAlias(alias, path, "PARADOX");

        query = std::make_unique<db::Query>();
        query->setDatabaseName(alias);
        query->addSql("select * from flx");
        query->open();
        addRecord("Alien", "Scott", "Horror", "True", "line1\r\nline2");
        addRecord("Brazil", "Gilliam", "Comedy", "False", "");
        // Opened again, the result is in the table's order: Alien, Brazil.
        query->close();
        query->open();

        source = std::make_unique<db::DataSource>(*query);
        source->setAutoEdit(false);

        window = std::make_unique<QWidget>();
        window->resize(400, 300);
        pages = new PageControl(window.get());
        pages->setGeometry(0, 0, 400, 300);
        QWidget* main = pages->addPage("Main");
        QWidget* notes = pages->addPage("Notes");
        director = bind(new DBEdit(main), "Director", 10);
        title = bind(new DBEdit(main), "Title", 40);
        category = bind(new DBComboBox(main), "Category", 70);
        borrowed = bind(new DBCheckBox(main), "Borrowed", 100);
        date = bind(new DBEdit(main), "Date", 130);
        memo = bind(new DBMemo(notes), "Notes", 10);
        director->setFocus();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override {
        window.reset();
        source.reset();
        query.reset();
    }

    template <class Control> Control* bind(Control* control, const char* field, int top) {
        control->setGeometry(10, top, 200, 24);
        control->setDataSource(source.get());
        control->setDataField(field);
        return control;
    }

    void addRecord(const char* title, const char* director, const char* category, const char* borrowed,
                   const char* notes) {
        query->insert();
        query->fieldByName("Title").setAsText(title);
        query->fieldByName("Director").setAsText(director);
        query->fieldByName("Category").setAsText(category);
        query->fieldByName("Borrowed").setAsText(borrowed);
        query->fieldByName("Notes").setAsText(notes);
        query->post();
    }

    std::string stored(const char* field) { return query->fieldByName(field).asText(); }

    // Reopens the query on the same record place, to read what the table holds.
    void reopen() {
        int place = query->recordIndex();
        query->close();
        query->open();
        for (int i = 0; i < place; ++i)
            query->next();
    }

    std::string alias;
    std::filesystem::path tableFile;
    std::unique_ptr<db::Query> query;
    std::unique_ptr<db::DataSource> source;
    std::unique_ptr<QWidget> window;
    PageControl* pages = nullptr;
    DBEdit* director = nullptr;
    DBEdit* title = nullptr;
    DBComboBox* category = nullptr;
    DBCheckBox* borrowed = nullptr;
    DBEdit* date = nullptr;
    DBMemo* memo = nullptr;
};

TEST_F(DataControls, FollowRecordsAndStates) {
    EXPECT_EQ(director->text(), "Scott");
    EXPECT_EQ(category->editText(), "Horror");
    EXPECT_TRUE(borrowed->isChecked());
    EXPECT_EQ(memo->toPlainText(), "line1\nline2");
    EXPECT_TRUE(director->isReadOnly());
    EXPECT_EQ(director->maxLength(), 10);
    EXPECT_EQ(category->lineEdit()->maxLength(), 20);

    query->next();
    EXPECT_EQ(director->text(), "Gilliam");
    EXPECT_EQ(title->text(), "Brazil");
    EXPECT_EQ(category->editText(), "Comedy");
    EXPECT_FALSE(borrowed->isChecked());
    EXPECT_EQ(memo->toPlainText(), "");

    query->edit();
    EXPECT_FALSE(director->isReadOnly());
    EXPECT_FALSE(memo->isReadOnly());
    query->cancel();
    EXPECT_TRUE(director->isReadOnly());

    // While the controls are turned off they stay on the record they showed.
    query->disableControls();
    query->first();
    EXPECT_EQ(director->text(), "Gilliam");
    query->enableControls();
    EXPECT_EQ(director->text(), "Scott");

    query->close();
    EXPECT_EQ(director->text(), "");
    EXPECT_FALSE(borrowed->isChecked());
    EXPECT_TRUE(director->isReadOnly());
}

TEST_F(DataControls, TypingWhileBrowsingChangesNothing) {
    QTest::keyClicks(director, "xyz");
    QTest::keyClick(director, Qt::Key_Backspace);
    EXPECT_EQ(director->text(), "Scott");

    category->addEntries({"Drama", "Western"});
    category->setFocus();
    QTest::keyClicks(category, "abc");
    QTest::keyClick(category, Qt::Key_Down);
    EXPECT_EQ(category->editText(), "Horror");
    category->replaceSelectedText("Drama");
    EXPECT_EQ(category->editText(), "Horror");

    borrowed->setFocus();
    QTest::keyClick(borrowed, Qt::Key_Space);
    QTest::mouseClick(borrowed, Qt::LeftButton);
    EXPECT_TRUE(borrowed->isChecked());

    QApplication::clipboard()->setText("pasted");
    director->paste();
    EXPECT_EQ(director->text(), "Scott");
    pages->setCurrentIndex(1);
    memo->setFocus();
    QTest::keyClicks(memo, "more");
    memo->paste();
    EXPECT_EQ(memo->toPlainText(), "line1\nline2");

    EXPECT_EQ(source->state(), DataSetState::Browse);
    director->setFocus();
    reopen();
    EXPECT_EQ(stored("Director"), "Scott");
    EXPECT_EQ(stored("Category"), "Horror");
    EXPECT_EQ(stored("Borrowed"), "True");
    EXPECT_EQ(stored("Notes"), "line1\r\nline2");
}

TEST_F(DataControls, EditedTextReachesTheFieldOnLeavingAndOnPost) {
    query->edit();
    director->selectAll();
    QTest::keyClicks(director, "Ridley Scott"); // 12 characters into a field of 10
    EXPECT_EQ(director->text(), "Ridley Sco");
    EXPECT_EQ(stored("Director"), "Scott") << "not written while the focus stays";
    QTest::keyClick(director, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), title);
    EXPECT_EQ(stored("Director"), "Ridley Sco");

    // Written by the post itself, the focus still in the control.
    title->selectAll();
    QTest::keyClicks(title, "Aliens");
    borrowed->setFocus();
    QTest::keyClick(borrowed, Qt::Key_Space);
    EXPECT_FALSE(borrowed->isChecked());
    category->setFocus();
    category->addEntries({"Sci-fi", "Drama"});
    category->lineEdit()->selectAll();
    // Typed text stays as typed, also when an entry differs from it only in case.
    QTest::keyClicks(category, "Sci-Fi");
    QTest::keyClick(category, Qt::Key_Return);
    EXPECT_EQ(category->editText(), "Sci-Fi");
    EXPECT_EQ(category->entries().count(), 2);
    query->post();
    EXPECT_EQ(source->state(), DataSetState::Browse);

    reopen();
    EXPECT_EQ(stored("Director"), "Ridley Sco");
    EXPECT_EQ(stored("Title"), "Aliens");
    EXPECT_EQ(stored("Borrowed"), "False");
    EXPECT_EQ(stored("Category"), "Sci-Fi");
    EXPECT_EQ(director->text(), "Ridley Sco");
}

TEST_F(DataControls, PickingAnEntryWhileEditingChangesTheField) {
    category->addEntries({"Western", "Drama", "Action"});
    query->edit();
    category->setFocus();
    QTest::keyClick(category, Qt::Key_Down);
    EXPECT_EQ(category->editText(), "Action");
    QTest::keyClick(category, Qt::Key_Down);
    EXPECT_EQ(category->editText(), "Drama");
    query->post();
    reopen();
    EXPECT_EQ(stored("Category"), "Drama");
}

TEST_F(DataControls, MemoKeepsLineBreaksAsCrLfAndIsNotCutToItsSize) {
    query->edit();
    pages->setCurrentIndex(1);
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    // The memo's definition size (20 here) is what the table keeps inline, not a limit of the text: notes
    // longer than it are stored whole.
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "abcdefghij");
    EXPECT_EQ(memo->storedText(), "line1\r\nline2\r\nabcdefghij");
    query->post();
    reopen();
    EXPECT_EQ(stored("Notes"), "line1\r\nline2\r\nabcdefghij");
    EXPECT_EQ(memo->toPlainText(), "line1\nline2\nabcdefghij");
}

TEST_F(DataControls, AFieldSetByTheProgramIsShown) {
    query->insert();
    query->fieldByName("Director").setAsText("Kubrick");
    query->fieldByName("Borrowed").setAsText("True");
    query->fieldByName("Notes").setAsText("a\r\nb");
    EXPECT_EQ(director->text(), "Kubrick");
    EXPECT_TRUE(borrowed->isChecked());
    EXPECT_EQ(memo->toPlainText(), "a\nb");
    // Other controls keep what the user typed and has not written yet.
    title->setFocus();
    QTest::keyClicks(title, "Dr. Strangelove");
    query->fieldByName("Category").setAsText("Comedy");
    EXPECT_EQ(title->text(), "Dr. Strangelove");
    EXPECT_EQ(category->editText(), "Comedy");
    query->post();
    EXPECT_EQ(stored("Title"), "Dr. Strangelove");
}

TEST_F(DataControls, TextFieldTakesAPastedTextUpToItsFirstLineBreak) {
    query->edit();
    struct Case {
        int start;
        int length;
        const char* clipboard;
        const char* result;
    } cases[] = {
        {0, 0, "one\r\ntwo", "oneAlien"}, {5, 0, "X\nY", "AlienX"},       {1, 3, "\r\nlost", "An"},
        {0, 5, "plain", "plain"},         {2, 0, "mid\rdle", "Almidien"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clipboard);
        title->setText("Alien");
        title->setSelection(c.start, c.length);
        QGuiApplication::clipboard()->setText(c.clipboard);
        title->paste();
        EXPECT_EQ(title->text().toStdString(), c.result);
    }
    query->post();
    EXPECT_EQ(stored("Title"), "Almidien");

    // A line break the record already holds is shown as it is.
    query->edit();
    query->fieldByName("Title").setAsText("a\r\nb");
    EXPECT_EQ(title->text(), "a\r\nb");
}

TEST_F(DataControls, EditsKeepTheirSelectionWhenTheFocusLeaves) {
    title->setFocus();
    title->setSelection(4, -3); // "lie", the caret at its start
    QApplication::processEvents();
    category->setFocus();
    category->lineEdit()->setSelection(1, 3);
    QApplication::processEvents();
    director->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(title->selectedText().toStdString(), "lie");
    EXPECT_EQ(title->cursorPosition(), 1);
    EXPECT_EQ(category->selectedText(), "orr");
}

TEST_F(DataControls, InsertStartsBlankAndStoresWhatWasTyped) {
    DBEdit* tracks = bind(new DBEdit(window.get()), "Tracks", 160);
    query->insert();
    EXPECT_TRUE(tracks->isReadOnly()) << "the table numbers it";
    EXPECT_EQ(director->text(), "");
    EXPECT_FALSE(borrowed->isChecked());
    EXPECT_FALSE(title->isReadOnly());
    title->setFocus();
    QTest::keyClicks(title, "Cube");
    borrowed->setFocus();
    QTest::keyClick(borrowed, Qt::Key_Space);
    query->post();
    EXPECT_EQ(stored("Title"), "Cube");
    EXPECT_EQ(stored("Borrowed"), "True");
    EXPECT_EQ(query->recordCount(), 3);
}

TEST_F(DataControls, ARequiredFieldLeftEmptyTakesTheFocusOnItsPage) {
    pages->setCurrentIndex(1);
    query->insert();
    EXPECT_THROW(query->post(), DatabaseError);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), title);
    EXPECT_EQ(source->state(), DataSetState::Insert);
}

TEST_F(DataControls, ABadDateIsShownWhenLeavingAndKeptForCorrection) {
    test::MessageBoxRecorder recorder;
    query->edit();
    date->setFocus();
    QTest::keyClicks(date, "31.02.x");
    QTest::keyClick(date, Qt::Key_Tab);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "'31.02.x' is not a valid date.");
    EXPECT_EQ(date->text(), "31.02.x");
    EXPECT_EQ(source->state(), DataSetState::Edit);
    EXPECT_THROW(query->post(), ConvertError);
    query->cancel();
    EXPECT_EQ(date->text(), "");
}

TEST_F(DataControls, WithAutomaticEditingTheFirstChangeStartsTheEdit) {
    source->setAutoEdit(true);
    query->next();
    query->prior();
    EXPECT_FALSE(director->isReadOnly());
    QTest::keyClicks(director, "!");
    EXPECT_EQ(source->state(), DataSetState::Edit);
    EXPECT_EQ(director->text(), "Scott!");
    query->post();
    EXPECT_EQ(stored("Director"), "Scott!");

    borrowed->setFocus();
    QTest::keyClick(borrowed, Qt::Key_Space);
    EXPECT_EQ(source->state(), DataSetState::Edit);
    EXPECT_FALSE(borrowed->isChecked());
    query->post();
    EXPECT_EQ(stored("Borrowed"), "False");

    // A result that cannot be modified keeps the controls read-only.
    query->close();
    namespace fs = std::filesystem;
    fs::permissions(tableFile, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    query->open();
    ASSERT_FALSE(query->canModify());
    EXPECT_TRUE(director->isReadOnly());
    director->setFocus();
    QTest::keyClicks(director, "x");
    EXPECT_EQ(director->text(), "Scott!");
    EXPECT_EQ(source->state(), DataSetState::Browse);
}

TEST(DBComboBoxEntries, SortedWithoutRegardToCaseAndClearingKeepsTheText) {
    DBComboBox box;
    box.addEntries({"drama", "Action", "comedy", "Drama"});
    EXPECT_EQ(box.entries(), (StringList{"Action", "comedy", "drama", "Drama"}));
    box.lineEdit()->setText("Thriller");
    box.addEntry("Western");
    EXPECT_EQ(box.editText(), "Thriller");
    box.clearEntries();
    EXPECT_EQ(box.entries().count(), 0);
    EXPECT_EQ(box.editText(), "Thriller");
}

TEST(DBCheckBoxPlace, GrowsOnlyWhenItsCaptionDoesNotFit) {
    QWidget page;
    DBCheckBox empty(&page);
    empty.setGeometry(92, 36, 65, 17);
    EXPECT_EQ(empty.geometry(), QRect(92, 36, 65, 17));
    DBCheckBox captioned(&page);
    captioned.setText("Business");
    captioned.setGeometry(10, 10, 20, 17);
    page.show(); // a hidden control learns of its size when it is shown
    EXPECT_GE(captioned.width(), captioned.fontMetrics().horizontalAdvance(QStringLiteral("Business")));
    EXPECT_EQ(captioned.pos(), QPoint(10, 10));
}

TEST(DataControlsUnbound, ShowNothingAndTakeNoInput) {
    DBEdit edit;
    DBCheckBox check;
    edit.setDataField("Title");
    EXPECT_EQ(edit.field(), nullptr);
    EXPECT_TRUE(edit.isReadOnly());
    check.click();
    EXPECT_FALSE(check.isChecked());
}

} // namespace
} // namespace orupim::ui

namespace orupim::ui {
namespace {

// What an assistive tool does to a control: its actions and its value, through Qt's accessible interfaces.
void doAccessibleAction(QWidget* control, const QString& action) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(accessible, nullptr);
    ASSERT_NE(accessible->actionInterface(), nullptr);
    ASSERT_TRUE(accessible->actionInterface()->actionNames().contains(action));
    accessible->actionInterface()->doAction(action);
}

void setAccessibleValue(QWidget* control, const QString& value) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(accessible, nullptr);
    accessible->setText(QAccessible::Value, value);
}

// Toggle and a value set by an assistive tool take the keyboard's path: refused while browsing, stored
// while editing.
TEST_F(DataControls, AccessibleActionsTakeTheUsersPath) {
    const QString toggle = QAccessibleActionInterface::toggleAction();
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(borrowed);
    EXPECT_EQ(box->role(), QAccessible::CheckBox);
    EXPECT_EQ(box->rect(), QRect(borrowed->mapToGlobal(QPoint(0, 0)), borrowed->size()))
        << "the whole control";
    EXPECT_TRUE(box->state().checked);
    doAccessibleAction(borrowed, toggle);
    EXPECT_TRUE(borrowed->isChecked()) << "browsing: Toggle refused";
    setAccessibleValue(director, "Lynch");
    EXPECT_EQ(director->text(), "Scott");
    setAccessibleValue(category, "Drama");
    EXPECT_EQ(category->editText(), "Horror");
    EXPECT_EQ(source->state(), DataSetState::Browse);
    EXPECT_EQ(stored("Borrowed"), "True");

    query->edit();
    doAccessibleAction(borrowed, toggle);
    EXPECT_FALSE(borrowed->isChecked());
    setAccessibleValue(director, "Lynch");
    setAccessibleValue(category, "Drama");
    query->post();
    reopen();
    EXPECT_EQ(stored("Borrowed"), "False");
    EXPECT_EQ(stored("Director"), "Lynch");
    EXPECT_EQ(stored("Category"), "Drama");

    query->insert();
    doAccessibleAction(borrowed, toggle);
    query->fieldByName("Title").setAsText("Cube");
    query->post();
    EXPECT_EQ(stored("Borrowed"), "True") << "a new record takes the toggled box";
}

TEST_F(DataControls, DropDownIsNamedByItsLabelAndTheWheelNeedsTheFocus) {
    auto* label = new Label("Category :", category->parentWidget());
    label->setFocusControl(category);
    category->addEntries({"Action", "Horror", "Western"});
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(category);
    EXPECT_EQ(accessible->role(), QAccessible::ComboBox);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Category :");
    EXPECT_EQ(accessible->text(QAccessible::Value), "Horror");
    EXPECT_EQ(category->lineEdit()->accessibleName(), "Category :");

    query->edit();
    director->setFocus();
    const QPoint middle = category->rect().center();
    QWheelEvent down(middle, category->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(category, &down);
    EXPECT_EQ(category->editText(), "Horror") << "no focus: the wheel scrolls past";
    EXPECT_TRUE(director->hasFocus());
    category->setFocus();
    QWheelEvent again(middle, category->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(category, &again);
    EXPECT_EQ(category->editText(), "Western");
}

} // namespace
} // namespace orupim::ui
