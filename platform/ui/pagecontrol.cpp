#include "platform/ui/pagecontrol.h"

#include "platform/ui/qtext.h"

namespace orupim::ui {

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {}

QWidget* PageControl::addPage(std::string_view caption) {
    auto* page = new QWidget;
    QString text = toQString(caption);
    page->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    addTab(page, text);
    return page;
}

} // namespace orupim::ui
