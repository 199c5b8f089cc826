// The help viewer on the suite's help file, driven offscreen: it opens at the contents, its index filters as
// one types and shows each command's topic, its search finds each command's topic, Back and Forward walk the
// topics shown, and a file that is no help file is refused with its reason.
#include "screenshot.h"
#include "services/helpviewer/helpbrowser.h"
#include "services/helpviewer/helpviewer.h"
#include "temproot.h"

#include <QAccessible>
#include <QAction>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <gtest/gtest.h>

namespace orupim::helpviewer {
namespace {

const QString HelpNamespace = "qthelp://brenmoor.orupim.help/doc/";

// Every command of the catalogue programs' tool bar and menus, with the topic that describes it.
struct CommandTopic {
    const char* command;
    const char* topic; // below the help file's folder
};
const CommandTopic CommandTopics[] = {
    {"Exit", "file.html#exit"},
    {"Add Record", "edit.html#add-record"},
    {"Delete Record", "edit.html#delete-record"},
    {"Edit Record", "edit.html#edit-record"},
    {"Undo Changes", "edit.html#undo-changes"},
    {"Save Record", "edit.html#save-record"},
    {"Duplicate Record", "edit.html#duplicate-record"},
    {"First Record", "navigate.html#first-record"},
    {"Last Record", "navigate.html#last-record"},
    {"Previous Record", "navigate.html#previous-record"},
    {"Next Record", "navigate.html#next-record"},
    {"Find Record", "navigate.html#find-record"},
    {"Reset Data Set", "navigate.html#reset-data-set"},
    {"Copy To Clipboard", "clipboard.html#copy-to-clipboard"},
    {"Paste From Clipboard", "clipboard.html#paste-from-clipboard"},
    {"Print Record", "print.html#print-record"},
    {"Print Set", "print.html#print-set"},
    {"Edit Lists", "utilities.html#edit-lists"},
    {"Reload Lists", "utilities.html#reload-lists"},
    {"Home Page", "internet.html#home-page"},
    {"Newsleter", "internet.html#newsletter"},
    {"FAQ", "internet.html#faq"},
    {"Help Topics", "helpmenu.html#help-topics"},
    {"Read Notices", "helpmenu.html#read-notices"},
    {"About", "helpmenu.html#about"},
};

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        viewer = std::make_unique<HelpViewer>();
        QString error;
        ASSERT_TRUE(viewer->openHelpFile(ORUPIM_HELP_FILE, &error)) << error.toStdString();
        viewer->show();
        QVERIFY_READY();
    }
    void QVERIFY_READY() {
        for (int i = 0; i < 1000 && !viewer->isReady(); ++i)
            QTest::qWait(10);
        ASSERT_TRUE(viewer->isReady());
    }
    QString shownTopic() const { return viewer->browser()->source().toString(); }
    QAction* toolBarAction(const QString& text) const {
        for (QAction* action : viewer->findChild<QToolBar*>("ToolBar")->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }
    std::unique_ptr<HelpViewer> viewer;
};

TEST_F(HelpViewerTest, OpensAtTheContents) {
    EXPECT_EQ(shownTopic(), HelpNamespace + "index.html");
    EXPECT_EQ(viewer->contentsUrl().toString(), HelpNamespace + "index.html");
    EXPECT_EQ(viewer->windowTitle(), "OruPIM Help");
    EXPECT_EQ(viewer->tabs()->currentIndex(), 0);
    EXPECT_TRUE(viewer->browser()->toPlainText().contains("The catalogue programs"));
    // The contents list every part of the help under its top entry.
    QHelpContentModel* model = viewer->engine()->contentModel();
    const QModelIndex top = model->index(0, 0);
    QStringList entries;
    for (int row = 0; row < model->rowCount(top); ++row)
        entries << model->data(model->index(row, 0, top), Qt::DisplayRole).toString();
    for (const char* part :
         {"The catalogue programs", "The record view", "Edit menu", "Search patterns", "The lookup-list file",
          "Printing", "Shared settings", "The setup program OruInst"})
        EXPECT_TRUE(entries.contains(part)) << part;
    // The page's style sheet is read from the help file itself and applies: headings in the help's blue.
    EXPECT_TRUE(viewer->browser()
                    ->loadResource(QTextDocument::StyleSheetResource, QUrl("help.css"))
                    .toByteArray()
                    .contains("font-family"));
    EXPECT_TRUE(viewer->browser()->toHtml().contains("color:#000080"))
        << viewer->browser()->toHtml().toStdString();
    // A screen reader finds each part of the window by its name.
    for (const char* name : {"Contents", "Index", "Index word", "Search words", "Topics found", "Topic"}) {
        bool found = false;
        for (QWidget* widget : viewer->findChildren<QWidget*>())
            found = found || (widget->isEnabled() && QAccessible::queryAccessibleInterface(widget) &&
                              QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) == name);
        EXPECT_TRUE(found) << name;
    }
    orupim::test::saveScreenshot(*viewer, "helpviewer-contents");
}

TEST_F(HelpViewerTest, TheIndexFiltersAsOneTypesAndShowsEachCommandsTopic) {
    viewer->tabs()->setCurrentIndex(1);
    QLineEdit* filter = viewer->indexFilter();
    QHelpIndexWidget* index = viewer->engine()->indexWidget();
    for (const CommandTopic& entry : CommandTopics) {
        SCOPED_TRACE(entry.command);
        filter->clear();
        filter->setFocus();
        QTest::keyClicks(filter, entry.command);
        ASSERT_GT(index->model()->rowCount(), 0);
        EXPECT_EQ(index->currentIndex().data().toString(), entry.command);
        for (int row = 0; row < index->model()->rowCount(); ++row)
            EXPECT_TRUE(index->model()->index(row, 0).data().toString().startsWith(entry.command,
                                                                                   Qt::CaseInsensitive));
        QTest::keyClick(filter, Qt::Key_Return);
        EXPECT_EQ(shownTopic(), HelpNamespace + entry.topic);
    }
    filter->clear();
    QTest::keyClicks(filter, "Print");
    orupim::test::saveScreenshot(*viewer, "helpviewer-index");
}

TEST_F(HelpViewerTest, SearchFindsEachCommandsTopic) {
    QHelpSearchEngine* search = viewer->engine()->searchEngine();
    for (const CommandTopic& entry : CommandTopics) {
        SCOPED_TRACE(entry.command);
        QSignalSpy finished(search, &QHelpSearchEngine::searchingFinished);
        search->search(QString("\"%1\"").arg(entry.command));
        ASSERT_TRUE(finished.count() > 0 || finished.wait(5000));
        const QString page = QString(entry.topic).section('#', 0, 0);
        QStringList found;
        for (const QHelpSearchResult& result : search->searchResults(0, search->searchResultCount()))
            found << result.url().fileName();
        EXPECT_TRUE(found.contains(page)) << found.join(", ").toStdString();
    }
    // As a user searches: words typed into the search page, then Enter.
    viewer->tabs()->setCurrentIndex(2);
    QLineEdit* words = viewer->tabs()->widget(2)->findChild<QLineEdit*>();
    ASSERT_NE(words, nullptr);
    QSignalSpy finished(search, &QHelpSearchEngine::searchingFinished);
    words->setFocus();
    QTest::keyClicks(words, "pattern");
    QTest::keyClick(words, Qt::Key_Return);
    ASSERT_TRUE(finished.count() > 0 || finished.wait(5000));
    EXPECT_GT(search->searchResultCount(), 0);
    QTest::qWait(50);
    orupim::test::saveScreenshot(*viewer, "helpviewer-search");
}

// The row of the contents entry with this title below `parent`.
QModelIndex contentsEntry(QAbstractItemModel* model, const QModelIndex& parent, const QString& title) {
    for (int row = 0; row < model->rowCount(parent); ++row)
        if (model->index(row, 0, parent).data().toString() == title)
            return model->index(row, 0, parent);
    return {};
}

TEST_F(HelpViewerTest, TheContentsShowATopicOnAClickOrOnEnter) {
    QHelpContentWidget* contents = viewer->engine()->contentWidget();
    QAbstractItemModel* model = contents->model();
    const QModelIndex top = model->index(0, 0);
    const QModelIndex printing = contentsEntry(model, top, "Printing");
    ASSERT_TRUE(printing.isValid());
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualRect(printing).center());
    EXPECT_EQ(shownTopic(), HelpNamespace + "printing.html");

    contents->expand(contentsEntry(model, top, "Edit menu"));
    const QModelIndex save = contentsEntry(model, contentsEntry(model, top, "Edit menu"), "Save Record");
    ASSERT_TRUE(save.isValid());
    contents->setFocus();
    contents->setCurrentIndex(save);
    QTest::keyClick(contents, Qt::Key_Return);
    EXPECT_EQ(shownTopic(), HelpNamespace + "edit.html#save-record");
    EXPECT_TRUE(viewer->browser()->toPlainText().contains("Add or edit the current record first."));
}

TEST_F(HelpViewerTest, BackAndForwardWalkTheTopicsShown) {
    QAction* back = toolBarAction("&Back");
    QAction* forward = toolBarAction("&Forward");
    QAction* contents = toolBarAction("C&ontents");
    ASSERT_TRUE(back && forward && contents);
    EXPECT_FALSE(back->isEnabled());
    viewer->showTopic(QUrl(HelpNamespace + "search.html"));
    // A link of the page leads to another topic.
    viewer->browser()->setSource(viewer->browser()->source().resolved(QUrl("navigate.html#find-record")));
    EXPECT_EQ(viewer->windowTitle(), "Navigate menu - OruPIM Help");
    back->trigger();
    EXPECT_EQ(shownTopic(), HelpNamespace + "search.html");
    back->trigger();
    EXPECT_EQ(shownTopic(), HelpNamespace + "index.html");
    EXPECT_FALSE(back->isEnabled());
    forward->trigger();
    forward->trigger();
    EXPECT_EQ(shownTopic(), HelpNamespace + "navigate.html#find-record");
    EXPECT_FALSE(forward->isEnabled());
    viewer->tabs()->setCurrentIndex(2);
    contents->trigger();
    EXPECT_EQ(shownTopic(), HelpNamespace + "index.html");
    EXPECT_EQ(viewer->tabs()->currentIndex(), 0);
}

TEST(HelpViewerFile, AFileThatIsNoHelpFileIsRefusedWithItsReason) {
    const std::filesystem::path text = orupim::test::tempRoot() / "OruPIM.hlp";
    std::ofstream(text) << "not a help file\n";
    struct Case {
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {(orupim::test::tempRoot() / "missing.hlp").string(), "the file does not exist or cannot be read."},
        {orupim::test::tempRoot().string(), "the file does not exist or cannot be read."},
        {text.string(), "it is not a help file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        HelpViewer viewer;
        QString error;
        EXPECT_FALSE(viewer.openHelpFile(QString::fromStdString(c.path), &error));
        EXPECT_EQ(error.toStdString(), c.reason);
    }
    EXPECT_FALSE(std::filesystem::exists(orupim::test::tempRoot() / "missing.hlp"));
}

} // namespace
} // namespace orupim::helpviewer
