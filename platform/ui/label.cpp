#include "platform/ui/label.h"

#include "platform/ui/qtext.h"

#include <QComboBox>
#include <QLineEdit>

namespace orupim::ui {

Label::Label(std::string_view caption, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setCaption(caption);
}

std::string Label::caption() const {
    return caption_.toStdString();
}

void Label::setCaption(std::string_view caption) {
    caption_ = toQString(caption);
    if (elided_) {
        const int room = parentWidget() ? parentWidget()->width() - x() : width();
        setText(fontMetrics().elidedText(caption_, Qt::ElideMiddle, room));
        setAccessibleName(caption_);
        setToolTip(text() == caption_ ? QString() : caption_);
    } else {
        setText(caption_);
    }
    if (!wordWrap())
        adjustSize();
    nameControl();
}

void Label::setFocusControl(QWidget* control) {
    control_ = control;
    setBuddy(control);
    nameControl();
}

void Label::nameControl() {
    if (!control_)
        return;
    QString name = caption_;
    // "&&" stands for one "&"; a single "&" only marks the access key.
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    control_->setAccessibleName(name);
    // A drop-down field's edit box takes the focus in its place, so it carries the name too.
    if (auto* combo = qobject_cast<QComboBox*>(control_.data()); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
}

} // namespace orupim::ui
