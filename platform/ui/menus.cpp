#include "platform/ui/menus.h"

#include "platform/ui/qtext.h"

#include <QMenu>
#include <QMenuBar>

namespace orupim::ui {
QMenu* addMenu(QMenuBar* bar, std::string_view caption) {
    return bar->addMenu(toQString(caption));
}

QAction* addMenuItem(QMenu* menu, std::string_view caption, Handler handler) {
    if (caption == "-")
        return menu->addSeparator();
    QAction* action = menu->addAction(toQString(caption));
    if (handler)
        connectGuarded(action, &QAction::triggered, std::move(handler));
    else
        action->setEnabled(false);
    return action;
}

} // namespace orupim::ui
