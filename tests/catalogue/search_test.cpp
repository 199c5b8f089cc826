// Find Record and Reset Data Set through the real search dialog, driven with key events and clicks while it
// runs modally: the statement formed from the field last entered and the pattern as typed, the counts, the
// refusals, the three ways of closing the dialog, quotes matched as text, the pattern cut that keeps the
// statement whole, and a statement the engine refuses.
#include "catalogue/modulevalues.h"
#include "catalogue/querydialog.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/core/text.h"
#include "platform/ui/label.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/statusbar.h"
#include "screenshot.h"
#include "searchdialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

using test::Record;

const std::vector<Record> Films = {
    {{"Director", "Fritz Lang"},
     {"Title", "Metropolis"},
     {"Format", "VHS"},
     {"Name", "Anna"},
     {"Lent", "True"}},
    {{"Director", "F. W. Murnau"}, {"Title", "Nosferatu"}, {"Format", "DVD"}, {"Name", "Bert"}},
    {{"Director", "Robert Wiene"}, {"Title", "Caligari"}, {"Format", "VHS"}, {"Lent", "True"}},
    {{"Director", "langley"}, {"Title", "Langer Weg"}, {"Format", "LD"}, {"Name", "Annabel"}},
};

using test::findRecord;
using test::searchFor;
using test::SearchSeen;
using test::SearchStep;
using test::typePattern;

// An access key presses its button visibly and clicks it a moment later.
void waitUntilHidden(TQueryDialog& dialog) {
    for (int wait = 0; wait < 100 && dialog.isVisible(); ++wait)
        QTest::qWait(10);
}

// The close box of the title bar.
void closeByTitleBar(TQueryDialog& dialog) {
    dialog.close();
}

class Search : public ::testing::Test {
protected:
    void start(const std::vector<Record>& records = Films) { ASSERT_TRUE(program.startWith(records)); }
    TMainWindow& window() { return program.window(); }

    std::string shownDirector() { return window().controlText(0); }

    test::CatalogueProgram program{videoEdition()};
};

TEST_F(Search, FindsTheRecordsWhoseFieldContainsThePatternCaseSensitively) {
    start();
    window().statusBar()->setPanelText(0, "earlier message");
    struct Case {
        const char* pattern;
        int matches;
        const char* firstDirector; // the record the search stands on
    } cases[] = {
        {"Lang", 1, "Fritz Lang"},    {"lang", 1, "langley"}, {"e", 2, "Robert Wiene"},
        {"", 4, "Fritz Lang"},        {"%", 4, "Fritz Lang"}, {"F_ W", 1, "F. W. Murnau"},
        {"Wiene", 1, "Robert Wiene"}, {"zzz", 0, ""},         {"t%g", 1, "Fritz Lang"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        const SearchSeen seen = findRecord(searchFor(c.pattern));
        EXPECT_TRUE(seen.shown);
        // Right after start-up no field was entered: the search field is Director.
        EXPECT_EQ(seen.fieldLabel, "Director");
        EXPECT_EQ(LastQuery.str(),
                  std::string("Select * from flx where Director like '%") + c.pattern + "%'");
        EXPECT_EQ(window().mainQuery().sqlText(), LastQuery.str());
        EXPECT_EQ(program.counts(), " rec. " + std::to_string(c.matches) + " of 4");
        EXPECT_EQ(MatchCount, c.matches);
        EXPECT_EQ(window().mainQuery().recordCount(), c.matches);
        EXPECT_EQ(shownDirector(), c.firstDirector);
        EXPECT_FALSE(window().mainQuery().controlsDisabled());
    }
    EXPECT_EQ(program.message(), "earlier message");
    EXPECT_TRUE(program.boxes.boxes.empty());
}

TEST_F(Search, DialogShowsTheFieldAndKeepsItsTextBetweenShowings) {
    start();
    const SearchSeen first = findRecord(searchFor("Lang"), true);
    EXPECT_TRUE(first.shown);
    EXPECT_EQ(first.caption, "Filmdex 1.1");
    EXPECT_EQ(first.text, "");
    EXPECT_TRUE(first.focusInEdit);
    EXPECT_EQ(program.counts(), " rec. 1 of 4");
    EXPECT_EQ(first.heard.toStdString(),
              "Filmdex 1.1 | Please type the search pattern. Attention this is a case sensitive search. | "
              "For pattern : | Searching on : Director | ");

    const SearchSeen again = findRecord([](TQueryDialog& dialog) { dialog.ExecuteBut->click(); });
    EXPECT_EQ(again.text, "Lang");
    EXPECT_FALSE(again.textSelected);
    EXPECT_TRUE(again.focusInEdit);
    // The dialog's edit is no data control: entering it left the search field as it was.
    EXPECT_EQ(ActiveField, window().dataControl("DBEdit1"));
    EXPECT_EQ(SearchFieldName.str(), "Director");
}

TEST_F(Search, ChosenFieldGivesTheLabelAndTheColumn) {
    start();
    struct Case {
        const char* control;
        const char* pattern;
        const char* label;
        const char* column;
        int matches;
    } cases[] = {
        {"DBEdit7", "VHS", "Format", "Format", 2},
        {"DBEdit12", "Anna", "From/to", "Name", 2},
        {"DBEdit2", "Lang", "Title", "Title", 1},
        {"DBEdit10", "True", "Lent", "Lent", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        program.enter(c.control);
        const SearchSeen seen = findRecord(searchFor(c.pattern));
        EXPECT_EQ(seen.fieldLabel, c.label);
        EXPECT_EQ(LastQuery.str(),
                  std::string("Select * from flx where ") + c.column + " like '%" + c.pattern + "%'");
        EXPECT_EQ(program.counts(), " rec. " + std::to_string(c.matches) + " of 4");
        // Copy and paste act on the same control.
        EXPECT_EQ(ActiveField, window().dataControl(c.control));
    }
    EXPECT_TRUE(program.boxes.boxes.empty());
}

TEST_F(Search, RefusesOnAFieldNotSearchableFirstThenWhileEditing) {
    start();
    struct Case {
        const char* control;
        bool editing;
        const char* message;
    } cases[] = {
        {"DBEdit8", true, "Field not searchable."},
        {"DBEdit9", false, "Field not searchable."},
        {"DBEdit1", true, "Undo or save the current record first."},
        {"DBEdit12", true, "Undo or save the current record first."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        window().UndoChangesClick();
        program.enter(c.control);
        if (c.editing)
            window().EditRecClick();
        window().statusBar()->setPanelText(0, "");
        const SearchSeen seen = findRecord(searchFor("Lang"));
        EXPECT_FALSE(seen.shown);
        EXPECT_EQ(program.message(), c.message);
        EXPECT_EQ(program.counts(), " rec. 4 of 4");
        EXPECT_FALSE(SearchPattern.has_value());
        EXPECT_EQ(LastQuery.str(), "");
    }
}

TEST_F(Search, ResetRunsOnAFieldNotSearchableAndRefusesWhileEditing) {
    start();
    findRecord(searchFor("Lang"));
    ASSERT_EQ(program.counts(), " rec. 1 of 4");
    program.enter("DBEdit9");
    EXPECT_EQ(program.click(5), ""); // Reset Data Set
    EXPECT_EQ(program.counts(), " rec. 4 of 4");
    EXPECT_EQ(window().mainQuery().sqlText(), "select * from flx");
    EXPECT_EQ(shownDirector(), "Fritz Lang");
    // The search state stays as it was.
    EXPECT_EQ(SearchPattern, "Lang");
    EXPECT_EQ(LastQuery.str(), "Select * from flx where Director like '%Lang%'");

    findRecord(searchFor("Wiene")); // refused on Borrowed: the result stays whole
    program.enter("DBEdit1");
    findRecord(searchFor("Wiene"));
    ASSERT_EQ(program.counts(), " rec. 1 of 4");
    window().EditRecClick();
    EXPECT_EQ(program.choose("ResetDataSet1"), "Undo or save the current record first.");
    EXPECT_EQ(program.counts(), " rec. 1 of 4");
}

TEST_F(Search, TitleBarCloseSearchesWithThePatternOfTheLastExecute) {
    start();
    // Before any Execute: nothing runs.
    EXPECT_TRUE(findRecord(closeByTitleBar).shown);
    EXPECT_FALSE(SearchPattern.has_value());
    EXPECT_EQ(LastQuery.str(), "");
    EXPECT_EQ(window().mainQuery().sqlText(), "select * from flx");
    EXPECT_EQ(program.counts(), " rec. 4 of 4");

    findRecord(searchFor("Lang"));
    ASSERT_EQ(program.counts(), " rec. 1 of 4");
    program.enter("DBEdit2");
    // What is typed before the close box is not taken; the last Execute's pattern is searched on Title.
    const SearchSeen seen = findRecord([](TQueryDialog& dialog) {
        typePattern(dialog, "zzz");
        closeByTitleBar(dialog);
    });
    EXPECT_EQ(seen.fieldLabel, "Title");
    EXPECT_EQ(LastQuery.str(), "Select * from flx where Title like '%Lang%'");
    EXPECT_EQ(program.counts(), " rec. 1 of 4");
    EXPECT_EQ(shownDirector(), "langley");
    // Hidden, not destroyed: the same dialog comes back with the text it held.
    TQueryDialog* dialog = QueryDialog;
    EXPECT_EQ(findRecord(closeByTitleBar).text, "zzz");
    EXPECT_EQ(QueryDialog, dialog);
}

TEST_F(Search, CancelAndEscapeKeepResultCountsAndText) {
    start();
    findRecord(searchFor("Lang"));
    ASSERT_EQ(program.counts(), " rec. 1 of 4");
    const SearchStep cancels[] = {
        [](TQueryDialog& dialog) {
            typePattern(dialog, "Murnau");
            QTest::keyClick(dialog.QueryEd, Qt::Key_Escape);
        },
        [](TQueryDialog& dialog) {
            typePattern(dialog, "Wiene");
            QTest::mouseClick(dialog.CancelBut, Qt::LeftButton);
        },
    };
    std::string typed;
    for (const SearchStep& cancel : cancels) {
        const SearchSeen seen = findRecord(cancel);
        EXPECT_TRUE(seen.shown);
        if (!typed.empty()) {
            EXPECT_EQ(seen.text, typed);
        }
        typed = QueryDialog->QueryEd->text().toStdString();
        EXPECT_EQ(QueryCancelled, 1);
        EXPECT_EQ(SearchPattern, "Lang");
        EXPECT_EQ(LastQuery.str(), "Select * from flx where Director like '%Lang%'");
        EXPECT_EQ(program.counts(), " rec. 1 of 4");
        EXPECT_EQ(shownDirector(), "Fritz Lang");
    }
    EXPECT_EQ(findRecord([](TQueryDialog& dialog) { dialog.close(); }).text, "Wiene");
    // The next showing clears the cancel: closing by the title bar searches again.
    EXPECT_EQ(QueryCancelled, 0);
}

TEST_F(Search, ExecuteAndCancelByMouseByAccessKeyAndByTheFormsKeys) {
    start();
    findRecord([](TQueryDialog& dialog) {
        typePattern(dialog, "Wiene");
        QTest::mouseClick(dialog.ExecuteBut, Qt::LeftButton);
    });
    EXPECT_EQ(program.counts(), " rec. 1 of 4");
    // A key that reaches the form itself while no control has the focus acts as in the edit.
    findRecord([](TQueryDialog& dialog) {
        typePattern(dialog, "Murnau");
        dialog.QueryEd->clearFocus();
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_EQ(SearchPattern, "Murnau");
    EXPECT_EQ(shownDirector(), "F. W. Murnau");
    findRecord([](TQueryDialog& dialog) {
        typePattern(dialog, "Lang");
        dialog.QueryEd->clearFocus();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(QueryCancelled, 1);
    EXPECT_EQ(SearchPattern, "Murnau");
    // The buttons' access keys.
    findRecord([](TQueryDialog& dialog) {
        typePattern(dialog, "Wiene");
        QTest::keyClick(dialog.QueryEd, Qt::Key_E, Qt::AltModifier);
        waitUntilHidden(dialog);
    });
    EXPECT_EQ(SearchPattern, "Wiene");
    findRecord([](TQueryDialog& dialog) {
        typePattern(dialog, "Lang");
        QTest::keyClick(dialog.QueryEd, Qt::Key_C, Qt::AltModifier);
        waitUntilHidden(dialog);
    });
    EXPECT_EQ(QueryCancelled, 1);
    EXPECT_EQ(SearchPattern, "Wiene");
    EXPECT_EQ(shownDirector(), "Robert Wiene");
}

TEST_F(Search, QuotesAreTextAndLongPatternsKeepTheStatementWhole) {
    std::vector<Record> films = Films;
    films.push_back({{"Director", "Pat O'Brien"}, {"Title", "Ruins"}});
    films.push_back({{"Director", "Jo O''Hara"}, {"Title", "Dunes"}});
    start(films);
    const std::string head = "Select * from flx where Director like '%";
    // Director leaves room for 213 characters of pattern in a statement of 255.
    const std::string wildLang = "Lang" + std::string(246, '%');
    const std::string quoteAtTheCut = std::string(212, '_') + "'" + std::string(37, 'x');
    struct Case {
        std::string pattern;
        std::string statement; // after the head
        int matches;
        const char* firstDirector;
    } cases[] = {
        {"O'Brien", "O''Brien%'", 1, "Pat O'Brien"},
        {"'", "''%'", 2, "Pat O'Brien"},
        {"O''Hara", "O''''Hara%'", 1, "Jo O''Hara"},
        {"O''Brien", "O''''Brien%'", 0, ""},
        {"x' or Director like '", "x'' or Director like ''%'", 0, ""},
        {"%' ; select * from flx where Title like '", "%'' ; select * from flx where Title like ''%'", 0, ""},
        {wildLang, "Lang" + std::string(209, '%') + "%'", 1, "Fritz Lang"},
        // A doubled quote that would pass the last place is left out whole.
        {quoteAtTheCut, std::string(212, '_') + "%'", 0, ""},
    };
    ASSERT_EQ(characterCount(wildLang), 250u);
    ASSERT_EQ(characterCount(quoteAtTheCut), 250u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        findRecord(searchFor(QString::fromStdString(c.pattern)));
        EXPECT_EQ(SearchPattern, c.pattern);
        EXPECT_EQ(LastQuery.str(), head + c.statement);
        EXPECT_LE(LastQuery.length(), 255u);
        EXPECT_EQ(window().mainQuery().sqlText(), LastQuery.str());
        EXPECT_TRUE(window().mainQuery().active());
        EXPECT_EQ(program.counts(), " rec. " + std::to_string(c.matches) + " of 6");
        EXPECT_EQ(shownDirector(), c.firstDirector);
    }
    for (const auto& box : program.boxes.boxes)
        ADD_FAILURE() << box.text;
    EXPECT_EQ(program.storedRecords().size(), 6u);
}

// A table made without the Name column: the search on From/to is refused by the engine. The error is shown
// and the record view stands on the whole table with its counts, as after Reset Data Set.
TEST(SearchRefused, RefusedStatementLeavesTheWholeTableInView) {
    Edition edition = videoEdition();
    db::RecordLayout layout = *edition.layout;
    layout.fields.erase(std::remove_if(layout.fields.begin(), layout.fields.end(),
                                       [](const db::FieldDef& field) { return field.name == "Name"; }),
                        layout.fields.end());
    edition.layout = &layout;
    test::CatalogueProgram program(edition);
    std::vector<Record> films = Films;
    for (Record& film : films)
        film.erase("Name");
    ASSERT_TRUE(program.startWith(films));
    TMainWindow& window = program.window();
    window.statusBar()->setPanelText(0, "earlier message");
    findRecord(searchFor("Lang"));
    ASSERT_EQ(program.counts(), " rec. 1 of 4");

    program.enter("DBEdit12");
    ASSERT_EQ(SearchFieldName.str(), "Name");
    EXPECT_TRUE(findRecord(searchFor("Anna")).shown);

    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(program.boxes.boxes[0].caption, "OruFLX 1.1");
    EXPECT_NE(program.boxes.boxes[0].text.find("Name"), std::string::npos) << program.boxes.boxes[0].text;
    EXPECT_EQ(LastQuery.str(), "Select * from flx where Name like '%Anna%'");
    EXPECT_TRUE(window.mainQuery().active());
    EXPECT_EQ(window.mainQuery().sqlText(), "select * from flx");
    EXPECT_EQ(window.mainQuery().recordCount(), 4);
    EXPECT_EQ(MatchCount, 4);
    EXPECT_EQ(program.counts(), " rec. 4 of 4");
    EXPECT_EQ(window.controlText(0), "Fritz Lang");
    EXPECT_EQ(program.message(), "earlier message");
    EXPECT_EQ(SearchPattern, "Anna");
}

TEST_F(Search, CountsStayThoseTakenAtShowingAfterRecordsAreAdded) {
    start();
    window().AddRecClick();
    program.type("DBEdit1", "Lang II");
    window().SaveRecClick();
    ASSERT_EQ(program.storedRecords().size(), 5u);

    window().ResetSetClick();
    EXPECT_EQ(program.counts(), " rec. 4 of 4");
    findRecord(searchFor("Lang"));
    EXPECT_EQ(program.counts(), " rec. 2 of 4");
    findRecord(searchFor(""));
    EXPECT_EQ(program.counts(), " rec. 5 of 4");
}

TEST_F(Search, DialogForm) {
    start();
    TQueryDialog& dialog = *QueryDialog;
    EXPECT_EQ(dialog.client()->size(), QSize(294, 149));
    struct Case {
        QWidget* widget;
        QRect place;
        const char* text;
    } cases[] = {
        {dialog.QueryLabel,
         {30, 14, 238, 26},
         "Please type the search pattern. Attention this is a case sensitive search."},
        {dialog.SearchOnLabel, {28, 50, 84, 13}, "Searching on :"},
        {dialog.PatternLabel, {28, 70, 71, 13}, "For pattern :"},
        {dialog.QueryEd, {130, 68, 133, 21}, ""},
        {dialog.ExecuteBut, {38, 110, 99, 25}, "&Execute"},
        {dialog.CancelBut, {152, 110, 99, 25}, "&Cancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.widget->geometry(), c.place);
        EXPECT_TRUE(c.widget->font().bold());
        const QString text = c.widget->property("text").toString();
        EXPECT_EQ(text.toStdString(), c.text);
    }
    // The texts fit the places the form gives them.
    for (QLabel* label : {dialog.SearchOnLabel, dialog.PatternLabel, dialog.FieldNameLabel}) {
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
    }
    EXPECT_LE(dialog.QueryLabel->heightForWidth(238), 26);
    EXPECT_EQ(dialog.FieldNameLabel->caption(), "Unknown");
    EXPECT_EQ(dialog.FieldNameLabel->pos(), QPoint(130, 50));
    EXPECT_TRUE(dialog.QueryLabel->wordWrap());
    // The edit is the only control that takes the focus.
    for (QWidget* child : dialog.findChildren<QWidget*>())
        if (child != dialog.QueryEd) {
            EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->objectName().toStdString();
        }

    findRecord([](TQueryDialog& shown) {
        EXPECT_TRUE(shown.isModal());
        EXPECT_EQ(shown.minimumSize(), shown.maximumSize());
        QPoint middle = shown.screen()->availableGeometry().center();
        // Centred when it was made; the frame that showing adds moves its middle by a pixel or two.
        EXPECT_LE((shown.frameGeometry().center() - middle).manhattanLength(), 6);
        // The field's name fits its label, and a picture for a person to look at.
        EXPECT_EQ(shown.FieldNameLabel->caption(), "Director");
        EXPECT_GE(shown.FieldNameLabel->width(), shown.FieldNameLabel->sizeHint().width());
        orupim::test::saveScreenshot(shown, "searchdialog");
        shown.close();
    });
}

// The field label is the caption less its last two characters; one of two characters leaves it empty, one of
// one stays whole. An edition may fix the label's width, cutting a longer text.
TEST(SearchDialogLabel, ShortCaptionsAndFixedWidth) {
    Edition edition = videoEdition();
    edition.labels[0].caption = "X";
    edition.labels[1].caption = "Ti";
    edition.searchFieldLabelWidth = 133;
    test::CatalogueProgram program(edition);
    ASSERT_TRUE(program.startWith(Films));
    const auto cancel = [](TQueryDialog& dialog) { dialog.CancelBut->click(); };
    const SearchSeen x = findRecord(cancel);
    program.enter("DBEdit2");
    const SearchSeen ti = findRecord(cancel);
    EXPECT_EQ(x.fieldLabel, "X");
    EXPECT_EQ(ti.fieldLabel, "");
    EXPECT_EQ(x.fieldLabelWidth, 133);
    EXPECT_EQ(ti.fieldLabelWidth, 133);
}

} // namespace
} // namespace orupim::catalogue
