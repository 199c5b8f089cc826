#include "platform/ui/speedbutton.h"

#include "platform/ui/qtext.h"

namespace orupim::ui {
SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    setFixedSize(26, 26);
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
