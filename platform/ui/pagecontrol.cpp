#include "platform/ui/pagecontrol.h"

#include "platform/ui/qtext.h"

#include <QApplication>
#include <QTabBar>

namespace orupim::ui {

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    // The old page control took the focus itself when its pages were switched: a control on the page that
    // closes hands the focus to the tabs, never to a control of the page that opens (which would be entered).
    // Connected before the tab widget's own handler, so it runs while the old page is still shown.
    auto* tabs = new QTabBar;
    tabs->setFocusPolicy(Qt::StrongFocus);
    connect(tabs, &QTabBar::currentChanged, this, [this, tabs] {
        QWidget* focus = QApplication::focusWidget();
        QWidget* shown = currentWidget();
        if (focus && shown && shown->isAncestorOf(focus))
            tabs->setFocus(Qt::OtherFocusReason);
    });
    setTabBar(tabs);
}

QWidget* PageControl::addPage(std::string_view caption) {
    auto* page = new QWidget;
    QString text = toQString(caption);
    page->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    addTab(page, text);
    return page;
}

} // namespace orupim::ui
