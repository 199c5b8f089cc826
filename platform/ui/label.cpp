#include "platform/ui/label.h"

#include "platform/ui/qtext.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>

namespace orupim::ui {
namespace {

// The path as it fits `room`: whole when it can; else its directories shortened in the middle and its file
// name whole; else, for a file name that alone is too long, the whole path shortened in the middle.
QString elidedPath(const QString& path, const QFontMetrics& metrics, int room) {
    if (metrics.horizontalAdvance(path) <= room)
        return path;
    const qsizetype cut = path.lastIndexOf(QLatin1Char('\\'));
    const QString name = path.mid(cut + 1);
    const int directoryRoom = room - metrics.horizontalAdvance(name);
    if (cut < 0 || directoryRoom < metrics.horizontalAdvance(QStringLiteral("c:\\…\\")))
        return metrics.elidedText(path, Qt::ElideMiddle, room);
    return metrics.elidedText(path.left(cut + 1), Qt::ElideMiddle, directoryRoom) + name;
}

} // namespace

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
        setText(
            elidedPath(caption_, fontMetrics(), parentWidget() ? parentWidget()->width() - x() : width()));
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
