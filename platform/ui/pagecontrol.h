// The page control: a row of tabs with captions over a stack of pages, one page shown at a time. Each page is
// a plain widget in which the controls are placed at their pixel positions.
#pragma once

#include <QTabWidget>
#include <string_view>

namespace orupim::ui {

class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    // Adds a page at the end with its tab caption ("&" marks an access key) and returns it.
    QWidget* addPage(std::string_view caption);
    QWidget* page(int index) const { return widget(index); }
    int pageCount() const { return count(); }

    QWidget* activePage() const { return currentWidget(); }
    void setActivePage(QWidget* page) { setCurrentWidget(page); }
};

} // namespace orupim::ui
