// Copy To Clipboard and Paste From Clipboard on the field last entered: the memo's and the text fields' own
// copy and paste, the drop-down fields' selected text, the refusals of the check boxes and of a window where
// no field was entered, and the same behaviour in every state of the record.
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/ui/dbcombobox.h"
#include "platform/ui/dbmemo.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/statusbar.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

using test::Record;

constexpr int CopyButton = 12;  // SpeedButton13
constexpr int PasteButton = 13; // SpeedButton14

const Record Film = {{"Director", "Lang"},
                     {"Title", "Metropolis"},
                     {"Publisher", "UFA"},
                     {"Format", "VHS-C"},
                     {"Category", "Action "},
                     {"Language", "German"},
                     {"Notes", "Silent\r\nrestored print"},
                     {"Borrowed", "True"}};

class Clipboard : public ::testing::Test {
protected:
    void SetUp() override {
        program.createTable({Film});
        program.start();
        ASSERT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    }
    TMainWindow& window() { return program.window(); }
    QWidget* control(const char* name) { return window().dataControl(name); }
    std::string shown(const char* name) {
        return window().controlText(window().edition().controlIndex(name));
    }
    QLineEdit* editBox(const char* name) { return static_cast<ui::DBComboBox*>(control(name))->lineEdit(); }
    QLineEdit* lineEdit(const char* name) { return static_cast<QLineEdit*>(control(name)); }

    // Enters a data control on its page, as a click in it does.
    void enter(const char* name) {
        QWidget* widget = control(name);
        window().pageControl()->setCurrentWidget(widget->parentWidget());
        widget->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        ASSERT_EQ(ActiveField, widget);
    }
    // Clicks a speed button and answers the message it left ("" when none).
    std::string click(int button) {
        window().statusBar()->setPanelText(0, "");
        window().speedButtons()[static_cast<std::size_t>(button)]->click();
        QApplication::processEvents();
        return program.message();
    }
    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }

    test::CatalogueProgram program{videoEdition()};
};

TEST_F(Clipboard, MemoSelectionIsCopiedWhileAnotherPageShows) {
    enter("DBEdit8");
    auto* memo = static_cast<ui::DBMemo*>(control("DBEdit8"));
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(7);
    cursor.setPosition(15, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    window().pageControl()->setCurrentIndex(0); // the tab "Main"
    QApplication::processEvents();
    ASSERT_NE(QApplication::focusWidget(), memo);
    clipboard()->setText("before");

    EXPECT_EQ(click(CopyButton), "");
    EXPECT_EQ(clipboard()->text(), "restored");
    EXPECT_EQ(ActiveField, memo);
    EXPECT_EQ(shown("DBEdit1"), "Lang");
    EXPECT_EQ(shown("DBEdit8"), "Silent\r\nrestored print");
}

TEST_F(Clipboard, EditsKeepTheirSelectionWhenAnotherPageIsShown) {
    struct Case {
        const char* control;
        bool listField;
        const char* copied;
    } cases[] = {{"DBEdit2", false, "etro"}, {"DBEdit7", true, "HS-"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        enter(c.control);
        QLineEdit* box = c.listField ? editBox(c.control) : lineEdit(c.control);
        box->setSelection(1, static_cast<int>(std::string(c.copied).size()));
        window().pageControl()->setCurrentIndex(2); // the tab "Loans"
        QApplication::processEvents();
        ASSERT_NE(QApplication::focusWidget(), control(c.control));
        clipboard()->setText("before");
        EXPECT_EQ(click(CopyButton), "");
        EXPECT_EQ(clipboard()->text().toStdString(), c.copied);
    }
}

TEST_F(Clipboard, ListFieldCopyPutsExactlyTheSelectionEvenWhenEmpty) {
    enter("DBEdit7");
    clipboard()->setText("before");
    editBox("DBEdit7")->setSelection(0, 3);
    EXPECT_EQ(click(CopyButton), "");
    EXPECT_EQ(clipboard()->text(), "VHS");

    editBox("DBEdit7")->deselect();
    EXPECT_EQ(click(CopyButton), "");
    ASSERT_NE(clipboard()->mimeData(), nullptr);
    EXPECT_TRUE(clipboard()->mimeData()->hasText());
    EXPECT_EQ(clipboard()->text(), "");
    EXPECT_EQ(shown("DBEdit7"), "VHS-C");
}

TEST_F(Clipboard, ListFieldPasteTakesOnlyText) {
    window().EditRecClick();
    enter("DBEdit5");
    editBox("DBEdit5")->end(false);

    clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_EQ(click(PasteButton), "");
    EXPECT_EQ(shown("DBEdit5"), "Action ");

    clipboard()->setText("Drama");
    EXPECT_EQ(click(PasteButton), "");
    EXPECT_EQ(shown("DBEdit5"), "Action Drama");
    window().SaveRecClick();
    EXPECT_EQ(program.storedRecords().at(0).at("Category"), "Action Drama");
}

TEST_F(Clipboard, EditPasteReplacesTheSelectionAndReachesTheRecordOnlyWhileEditing) {
    enter("DBEdit2");
    clipboard()->setText("Sunrise");
    lineEdit("DBEdit2")->selectAll();
    EXPECT_EQ(click(PasteButton), "");
    EXPECT_EQ(shown("DBEdit2"), "Metropolis"); // browsing: the field takes no input

    window().EditRecClick();
    lineEdit("DBEdit2")->selectAll();
    EXPECT_EQ(click(PasteButton), "");
    EXPECT_EQ(shown("DBEdit2"), "Sunrise");
    // A single-line field takes a pasted text up to its first line break.
    clipboard()->setText("Dawn\r\nof the dead");
    lineEdit("DBEdit2")->setSelection(0, 3);
    EXPECT_EQ(click(PasteButton), "");
    EXPECT_EQ(shown("DBEdit2"), "Dawnrise");
    window().SaveRecClick();
    EXPECT_EQ(program.storedRecords().at(0).at("Title"), "Dawnrise");
}

TEST_F(Clipboard, CheckBoxesAndNoFieldEnteredRefuseInEveryState) {
    struct State {
        const char* name;
        void (TMainWindow::*command)();
    } states[] = {
        {"browse", nullptr}, {"edit", &TMainWindow::EditRecClick}, {"insert", &TMainWindow::AddRecClick}};
    struct Case {
        const char* control; // nullptr: no data control entered yet
        const char* copyMessage;
        const char* pasteMessage;
    } cases[] = {
        {"DBEdit9", "Field not copiable.", "Field not copiable."},
        {"DBEdit10", "Field not copiable.", "Field not copiable."},
        {nullptr, "Invalid selection.", "Select a destination first."},
    };
    for (const State& state : states) {
        SCOPED_TRACE(state.name);
        window().UndoChangesClick();
        if (state.command)
            (window().*state.command)();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.control ? c.control : "none");
            if (c.control)
                enter(c.control);
            else
                ActiveField = nullptr;
            const std::string borrowed = shown("DBEdit9");
            clipboard()->setText("kept");
            EXPECT_EQ(click(CopyButton), c.copyMessage);
            EXPECT_EQ(click(PasteButton), c.pasteMessage);
            EXPECT_EQ(clipboard()->text(), "kept");
            EXPECT_EQ(shown("DBEdit9"), borrowed);
        }
        // A field that copies does so in this state too, without message 8 (a new record's empty Publisher
        // empties the clipboard).
        enter("DBEdit3");
        editBox("DBEdit3")->selectAll();
        const std::string publisher = shown("DBEdit3");
        EXPECT_EQ(click(CopyButton), "");
        EXPECT_EQ(clipboard()->text().toStdString(), publisher);
    }
}

} // namespace
} // namespace orupim::catalogue
