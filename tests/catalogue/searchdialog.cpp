#include "searchdialog.h"

#include "catalogue/mainwindow.h"
#include "catalogue/modulevalues.h"
#include "platform/ui/label.h"
#include "platform/ui/speedbutton.h"
#include "userinput.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace orupim::catalogue::test {
namespace {

constexpr std::size_t FindButton = 4;

} // namespace

void typePattern(TQueryDialog& dialog, const QString& text) {
    dialog.QueryEd->selectAll();
    QTest::keyClick(dialog.QueryEd, Qt::Key_Backspace);
    QTest::keyClicks(dialog.QueryEd, text);
}

SearchStep searchFor(const QString& pattern) {
    return [pattern](TQueryDialog& dialog) {
        typePattern(dialog, pattern);
        QTest::keyClick(dialog.QueryEd, Qt::Key_Return);
    };
}

SearchSeen findRecord(const SearchStep& step, bool byMenuItem) {
    SearchSeen seen;
    QTimer::singleShot(0, [&] {
        if (QApplication::activeModalWidget() != QueryDialog)
            return;
        EXPECT_TRUE(QTest::qWaitForWindowActive(QueryDialog, 2000));
        seen.shown = true;
        seen.caption = QueryDialog->caption();
        seen.fieldLabel = QueryDialog->FieldNameLabel->caption();
        seen.fieldLabelWidth = QueryDialog->FieldNameLabel->width();
        seen.text = QueryDialog->QueryEd->text().toStdString();
        seen.textSelected = QueryDialog->QueryEd->hasSelectedText();
        seen.focusInEdit = QApplication::focusWidget() == QueryDialog->QueryEd;
        for (QObject* object :
             {static_cast<QObject*>(QueryDialog), static_cast<QObject*>(QueryDialog->QueryEd)}) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
            seen.heard += accessible->text(QAccessible::Name) + " | " +
                          accessible->text(QAccessible::Description) + " | ";
        }
        step(*QueryDialog);
        if (QueryDialog->isVisible()) {
            ADD_FAILURE() << "the search dialog stayed open";
            QueryDialog->hide();
        }
    });
    if (byMenuItem)
        MainWindow->findChild<QAction*>("FindRecord1")->trigger();
    else
        orupim::test::click(MainWindow->speedButtons()[FindButton]);
    QApplication::processEvents();
    return seen;
}

} // namespace orupim::catalogue::test
