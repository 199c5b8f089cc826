#include "platform/ui/fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace orupim::ui {

void substituteFormFonts() {
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans Condensed")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")});
    // 8 points on the old 96-dpi screen: 11 pixels.
    QFont form(QStringLiteral("MS Sans Serif"));
    form.setPixelSize(11);
    QApplication::setFont(form);
}

} // namespace orupim::ui
