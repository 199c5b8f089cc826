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
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void SpeedButton::setPicture(const QPixmap& picture) {
    setIcon(QIcon(picture));
    setIconSize(picture.size());
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

} // namespace orupim::ui
