#include "platform/ui/statusbar.h"

#include "platform/ui/accessibility.h"
#include "platform/ui/qtext.h"

#include "platform/core/errors.h"

#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

namespace orupim::ui {

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    installAccessibility();
    setAccessibleName(QStringLiteral("Status bar"));
}

int StatusBar::addPanel(int width, std::string_view text) {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The mouse belongs to the bar, so that a click anywhere on it is the bar's click.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    panels_.push_back(label);
    widths_.push_back(width);
    setPanelText(panelCount() - 1, text);
    placePanels();
    label->show();
    return panelCount() - 1;
}

// Panels stand side by side from the left at their widths; the last one reaches the bar's right edge, as the
// old bar's last panel did.
void StatusBar::placePanels() {
    int left = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        int width = i + 1 == panels_.size() ? std::max(widths_[i], this->width() - left) : widths_[i];
        panels_[i]->setGeometry(left, 0, width, height());
        left += widths_[i];
    }
}

void StatusBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placePanels();
}

QLabel* StatusBar::checkedPanel(int index) const {
    if (index < 0 || index >= panelCount())
        throw ListError();
    return panels_[static_cast<std::size_t>(index)];
}

std::string StatusBar::panelText(int index) const {
    return checkedPanel(index)->text().toStdString();
}

void StatusBar::setPanelText(int index, std::string_view text) {
    QLabel* label = checkedPanel(index);
    QString qtext = toQString(text);
    // Read out as the panel's name. Setting the name announces it to assistive technology each time, the
    // same message again too, so that a screen reader speaks why a command did nothing as the bar shows it;
    // named first, the label's own change of text adds no second announcement.
    label->setAccessibleName(qtext);
    label->setText(qtext);
}

int StatusBar::panelWidth(int index) const {
    checkedPanel(index);
    return widths_[static_cast<std::size_t>(index)];
}

QLabel* StatusBar::panel(int index) const {
    return checkedPanel(index);
}

void StatusBar::repaintNow() {
    // Qt's repaint is the old invalidate-and-update: the bar is painted before it returns.
    repaint();
}

void StatusBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QWidget::mousePressEvent(event);
}

void StatusBar::mouseReleaseEvent(QMouseEvent* event) {
    bool click =
        event->button() == Qt::LeftButton && pressed_ && !inDoubleClick_ && rect().contains(event->pos());
    pressed_ = false;
    inDoubleClick_ = false;
    if (click)
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void StatusBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        inDoubleClick_ = true;
        pressed_ = false;
        emit doubleClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace orupim::ui
