// The status bar: a row of panels from the left, each of a fixed width and with its own text, the last one
// taking what is left. A click and a double click on the bar raise clicked() and doubleClicked() (the second
// click of a double click raises no clicked()). The bar's accessible role is the status bar's; each panel is
// its own accessible text, named by its text and announced whenever its text is set, so that a screen reader
// reads the message and the record counts as they come.
#pragma once

#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class QLabel;

namespace orupim::ui {

class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    // Adds a panel at the right end; returns its index.
    int addPanel(int width, std::string_view text = {});
    int panelCount() const { return static_cast<int>(panels_.size()); }

    // The panel's text; an index out of range raises ListError.
    std::string panelText(int index) const;
    void setPanelText(int index, std::string_view text);
    int panelWidth(int index) const;

    // The panel's own widget (for its accessible interface and tests).
    QLabel* panel(int index) const;

    // Invalidates the bar and paints it at once, before the caller goes on.
    void repaintNow();

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* checkedPanel(int index) const;
    void placePanels();

    std::vector<QLabel*> panels_;
    std::vector<int> widths_;
    bool pressed_ = false;
    bool inDoubleClick_ = false;
};

} // namespace orupim::ui
