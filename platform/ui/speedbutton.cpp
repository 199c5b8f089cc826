#include "platform/ui/speedbutton.h"

#include "platform/ui/growtofit.h"
#include "platform/ui/qtext.h"

#include <QEvent>

namespace orupim::ui {
SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    // The tool bar's size; a form may give it another with setGeometry.
    resize(26, 26);
}

std::string SpeedButton::hint() const {
    return toolTip().toStdString();
}

void SpeedButton::setHint(std::string_view hint) {
    setToolTip(toQString(hint));
    setAccessibleName(toQString(hint));
}

void SpeedButton::setCaption(std::string_view caption) {
    setText(toQString(caption));
    showWhatItHas();
    growToCaption();
}

void SpeedButton::resizeEvent(QResizeEvent* event) {
    QToolButton::resizeEvent(event);
    growToCaption();
}

void SpeedButton::changeEvent(QEvent* event) {
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        growToCaption();
}

void SpeedButton::growToCaption() {
    if (toolButtonStyle() == Qt::ToolButtonTextOnly && !text().isEmpty())
        growToFit(this);
}

void SpeedButton::setPicture(const QIcon& picture, QSize size) {
    setIcon(picture);
    setIconSize(size);
    showWhatItHas();
}

// The picture, the caption, or the caption beside the picture.
void SpeedButton::showWhatItHas() {
    if (icon().isNull())
        setToolButtonStyle(Qt::ToolButtonTextOnly);
    else
        setToolButtonStyle(text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

} // namespace orupim::ui
