// The topic pane of the help viewer: a text browser that reads its pages, style sheets and pictures from the
// help file through the help engine, and keeps the history that Back and Forward walk.
#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace orupim::helpviewer {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QHelpEngineCore* engine, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngineCore* engine_;
};

} // namespace orupim::helpviewer
