#include "services/helpviewer/helpbrowser.h"

#include <QHelpEngineCore>

namespace orupim::helpviewer {

HelpBrowser::HelpBrowser(QHelpEngineCore* engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {
    setObjectName("Topic");
    setAccessibleName(tr("Topic"));
    // Links inside the help file stay here; nothing else is reachable from a help page.
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // A page names its style sheet and pictures relative to itself.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() == QLatin1String("qthelp"))
        return engine_->fileData(url);
    return QTextBrowser::loadResource(type, name);
}

} // namespace orupim::helpviewer
