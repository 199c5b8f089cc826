#include "platform/ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>

namespace orupim::ui {
namespace {

class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QAccessible::Role role() const override {
        const QWidget* window = widget();
        return window->windowType() == Qt::Dialog || window->isModal() ? QAccessible::Dialog
                                                                       : QAccessible::Window;
    }
};

// A message box is a dialog (Qt makes it an alert) whose description is its text.
class MessageBoxAccessible : public QAccessibleWidget {
public:
    explicit MessageBoxAccessible(QMessageBox* box) : QAccessibleWidget(box, QAccessible::Dialog) {}

    QString text(QAccessible::Text kind) const override {
        const auto* box = static_cast<const QMessageBox*>(widget());
        if (kind == QAccessible::Name)
            return box->windowTitle();
        if (kind == QAccessible::Description)
            return box->text();
        return QAccessibleWidget::text(kind);
    }
};

// A data-aware check box: the whole control is its place (Qt reports only the box of a check box without a
// caption, and the form's check boxes have their captions in labels beside them), and its actions are a
// click's, so that they reach the record as a click does.
class CheckBoxAccessible : public QAccessibleWidget {
public:
    explicit CheckBoxAccessible(QCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return {toggleAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (box()->isEnabled() && (action == toggleAction() || action == pressAction())) {
            box()->setFocus(Qt::OtherFocusReason);
            box()->click();
        }
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// An editable drop-down field: its name is its own (its label's caption), its value the text in its edit
// box, and setting the value goes through the edit box as typing does.
class DropDownAccessible : public QAccessibleWidget {
public:
    explicit DropDownAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind != QAccessible::Value || !combo()->lineEdit()) {
            QAccessibleWidget::setText(kind, text);
            return;
        }
        combo()->lineEdit()->setText(text);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* frameworkInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("orupim::ui::Form"))
        return new WindowAccessible(widget);
    if (className == QLatin1String("QMessageBox"))
        return new MessageBoxAccessible(static_cast<QMessageBox*>(widget));
    if (className == QLatin1String("orupim::ui::StatusBar"))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (className == QLatin1String("orupim::ui::DBCheckBox"))
        return new CheckBoxAccessible(static_cast<QCheckBox*>(widget));
    if (className == QLatin1String("orupim::ui::DBComboBox"))
        return new DropDownAccessible(static_cast<QComboBox*>(widget));
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(frameworkInterface);
        return true;
    }();
    (void)installed;
}

} // namespace orupim::ui
