#include "windowfit.h"

#include "screenshot.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace orupim::test {
namespace {

std::string nameOf(const QWidget* widget) {
    QString name = widget->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(widget->metaObject()->className());
    return name.toStdString();
}

// The shown text without its access marks ("&&" stands for one "&").
QString shownText(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Parts that Qt places inside a control of its own (a drop-down's edit box, a memo's scroll bars) are the
// control's business, not the form's.
bool isPartOfAControl(const QWidget* widget) {
    for (const QWidget* parent = widget->parentWidget(); parent && !parent->isWindow();
         parent = parent->parentWidget())
        if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractScrollArea*>(parent) ||
            qobject_cast<const QTabBar*>(parent))
            return true;
    return false;
}

std::string size(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

void checkLabel(const QLabel* label, std::vector<std::string>& faults) {
    if (label->text().isEmpty() || !label->pixmap().isNull())
        return;
    const QFontMetrics metrics(label->font());
    const QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const QString text = label->buddy() ? shownText(label->text()) : label->text();
    QRect needed;
    if (label->wordWrap())
        needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text);
    else
        needed = metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
    if (needed.width() > room.width() || needed.height() > room.height())
        faults.push_back(nameOf(label) + " \"" + label->text().toStdString() + "\" needs " +
                         size(needed.width(), needed.height()) + ", has " +
                         size(room.width(), room.height()));
}

void checkButton(const QAbstractButton* button, std::vector<std::string>& faults) {
    if (button->text().isEmpty())
        return;
    if (auto* tool = qobject_cast<const QToolButton*>(button);
        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return;
    const QFontMetrics metrics(button->font());
    const QString text = shownText(button->text());
    int textRoom = button->width();
    if (auto* check = qobject_cast<const QCheckBox*>(button)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        textRoom = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
    } else {
        textRoom -= 4; // the button's edges
    }
    const int needed = metrics.horizontalAdvance(text);
    if (needed > textRoom || metrics.height() > button->height())
        faults.push_back(nameOf(button) + " \"" + button->text().toStdString() + "\" needs " +
                         size(needed, metrics.height()) + ", has " + size(textRoom, button->height()));
}

void checkField(const QWidget* field, std::vector<std::string>& faults) {
    // A field scrolls a long text sideways, but its line must show whole from top to bottom.
    const int needed = QFontMetrics(field->font()).height() + 2;
    if (needed > field->height())
        faults.push_back(nameOf(field) + " is " + std::to_string(field->height()) + " high, its text needs " +
                         std::to_string(needed));
}

} // namespace

std::vector<std::string> fitFaults(const QWidget* window) {
    std::vector<std::string> faults;
    const auto widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (widget->isWindow() || !widget->isVisibleTo(window) || isPartOfAControl(widget))
            continue;
        const QWidget* parent = widget->parentWidget();
        if (parent && !parent->rect().contains(widget->geometry()))
            faults.push_back(nameOf(widget) + " at " + size(widget->x(), widget->y()) + " size " +
                             size(widget->width(), widget->height()) + " lies outside " + nameOf(parent) +
                             " of " + size(parent->width(), parent->height()));
        if (auto* label = qobject_cast<const QLabel*>(widget))
            checkLabel(label, faults);
        else if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            checkButton(button, faults);
        else if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget))
            checkField(widget, faults);
        else if (auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            const QFontMetrics metrics(tabs->font());
            for (int i = 0; i < tabs->count(); ++i)
                if (metrics.horizontalAdvance(shownText(tabs->tabText(i))) > tabs->tabRect(i).width())
                    faults.push_back(nameOf(tabs) + " tab \"" + tabs->tabText(i).toStdString() + "\" is cut");
        }
    }
    return faults;
}

void expectFits(QWidget& window, const std::string& name) {
    QApplication::processEvents();
    std::string faults;
    for (const std::string& fault : fitFaults(&window))
        faults += "\n  " + fault;
    EXPECT_EQ(faults, "") << name;
    saveScreenshot(window, name);
}

} // namespace orupim::test
