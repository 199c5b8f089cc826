// Copy To Clipboard and Paste From Clipboard on the field last entered: the memo's and the text fields' own
// copy and paste, the drop-down fields' selected text, the refusals of the check boxes and of a window where
// no field was entered, and the same behaviour in every state of the record.
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/ui/dbmemo.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/speedbutton.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

using test::Record;

constexpr std::size_t CopyButton = 12;  // SpeedButton13
constexpr std::size_t PasteButton = 13; // SpeedButton14

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
    void SetUp() override { ASSERT_TRUE(program.startWith({Film})); }
    TMainWindow& window() { return program.window(); }
    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }

    test::CatalogueProgram program{videoEdition()};
};

TEST_F(Clipboard, MemoSelectionIsCopiedWhileAnotherPageShows) {
    program.enter("DBEdit8");
    auto* memo = static_cast<ui::DBMemo*>(program.control("DBEdit8"));
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(7);
    cursor.setPosition(15, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    window().pageControl()->setCurrentIndex(0); // the tab "Main"
    QApplication::processEvents();
    ASSERT_NE(QApplication::focusWidget(), memo);
    clipboard()->setText("before");

    EXPECT_EQ(program.click(CopyButton), "");
    EXPECT_EQ(clipboard()->text(), "restored");
    EXPECT_EQ(ActiveField, memo);
    EXPECT_EQ(program.shown("DBEdit1"), "Lang");
    EXPECT_EQ(program.shown("DBEdit8"), "Silent\r\nrestored print");
}

TEST_F(Clipboard, EditsKeepTheirSelectionWhenAnotherPageIsShown) {
    struct Case {
        const char* control;
        const char* copied;
    } cases[] = {{"DBEdit2", "etro"}, {"DBEdit7", "HS-"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        program.enter(c.control);
        QLineEdit* box = program.editBox(c.control);
        box->setSelection(1, static_cast<int>(std::string(c.copied).size()));
        window().pageControl()->setCurrentIndex(2); // the tab "Loans"
        QApplication::processEvents();
        ASSERT_NE(QApplication::focusWidget(), program.control(c.control));
        clipboard()->setText("before");
        EXPECT_EQ(program.click(CopyButton), "");
        EXPECT_EQ(clipboard()->text().toStdString(), c.copied);
    }
}

TEST_F(Clipboard, ListFieldCopyPutsExactlyTheSelectionEvenWhenEmpty) {
    program.enter("DBEdit7");
    clipboard()->setText("before");
    program.editBox("DBEdit7")->setSelection(0, 3);
    EXPECT_EQ(program.click(CopyButton), "");
    EXPECT_EQ(clipboard()->text(), "VHS");

    program.editBox("DBEdit7")->deselect();
    EXPECT_EQ(program.click(CopyButton), "");
    ASSERT_NE(clipboard()->mimeData(), nullptr);
    EXPECT_TRUE(clipboard()->mimeData()->hasText());
    EXPECT_EQ(clipboard()->text(), "");
    EXPECT_EQ(program.shown("DBEdit7"), "VHS-C");
}

TEST_F(Clipboard, ListFieldPasteTakesOnlyText) {
    window().EditRecClick();
    program.enter("DBEdit5");
    program.editBox("DBEdit5")->end(false);

    clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_EQ(program.click(PasteButton), "");
    EXPECT_EQ(program.shown("DBEdit5"), "Action ");

    clipboard()->setText("Drama");
    EXPECT_EQ(program.click(PasteButton), "");
    EXPECT_EQ(program.shown("DBEdit5"), "Action Drama");
    window().SaveRecClick();
    EXPECT_EQ(program.storedRecords().at(0).at("Category"), "Action Drama");
}

TEST_F(Clipboard, EditPasteReplacesTheSelectionAndReachesTheRecordOnlyWhileEditing) {
    program.enter("DBEdit2");
    clipboard()->setText("Sunrise");
    program.editBox("DBEdit2")->selectAll();
    EXPECT_EQ(program.click(PasteButton), "");
    EXPECT_EQ(program.shown("DBEdit2"), "Metropolis"); // browsing: the field takes no input

    window().EditRecClick();
    program.editBox("DBEdit2")->selectAll();
    EXPECT_EQ(program.click(PasteButton), "");
    EXPECT_EQ(program.shown("DBEdit2"), "Sunrise");
    // A single-line field takes a pasted text up to its first line break.
    clipboard()->setText("Dawn\r\nof the dead");
    program.editBox("DBEdit2")->setSelection(0, 3);
    EXPECT_EQ(program.click(PasteButton), "");
    EXPECT_EQ(program.shown("DBEdit2"), "Dawnrise");
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
                program.enter(c.control);
            else
                ActiveField = nullptr;
            const std::string borrowed = program.shown("DBEdit9");
            clipboard()->setText("kept");
            EXPECT_EQ(program.click(CopyButton), c.copyMessage);
            EXPECT_EQ(program.click(PasteButton), c.pasteMessage);
            EXPECT_EQ(clipboard()->text(), "kept");
            EXPECT_EQ(program.shown("DBEdit9"), borrowed);
        }
        // A field that copies does so in this state too, without message 8 (a new record's empty Publisher
        // empties the clipboard).
        program.enter("DBEdit3");
        program.editBox("DBEdit3")->selectAll();
        const std::string publisher = program.shown("DBEdit3");
        EXPECT_EQ(program.click(CopyButton), "");
        EXPECT_EQ(clipboard()->text().toStdString(), publisher);
    }
}

} // namespace
} // namespace orupim::catalogue
