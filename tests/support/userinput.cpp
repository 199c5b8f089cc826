#include "userinput.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace orupim::test {

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
    QApplication::processEvents();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QApplication::processEvents();
}

void clickTab(QTabWidget* pages, int index) {
    QTabBar* tabs = pages->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    QApplication::processEvents();
}

void enter(QWidget* control) {
    // A page of a tab widget is a child of the tab widget's page stack.
    for (QWidget* page = control; page; page = page->parentWidget()) {
        QWidget* stack = page->parentWidget();
        auto* pages = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (pages && pages->indexOf(page) >= 0)
            pages->setCurrentWidget(page);
    }
    control->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

void typeAtEnd(QWidget* field, const QString& text) {
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, text);
    QApplication::processEvents();
}

void retype(QWidget* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QApplication::processEvents();
}

} // namespace orupim::test
