// The suite's help viewer: opens a help file (a compressed help file made by qhelpgenerator, which is what
// OruPIM.hlp is) at its contents, with an index that filters as one types, a search over the topics' text,
// and Back and Forward through the topics shown. The help engine's collection is made in a temporary
// directory of the viewer's own, removed when the viewer ends, so the help file is only read and nothing is
// left behind.
#pragma once

#include <QMainWindow>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

class QAction;
class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace orupim::helpviewer {

class HelpBrowser;

class HelpViewer : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    ~HelpViewer() override;

    // Opens the help file (a host path) and shows its contents page once the contents are read. Answers
    // false, with the reason in `error`, when the file cannot be read as a help file.
    bool openHelpFile(const QString& hostPath, QString* error);

    // Whether the contents, the index and the search index are all ready.
    bool isReady() const { return contentsReady_ && indexReady_ && searchReady_; }

    QUrl contentsUrl() const { return contentsUrl_; }
    void showTopic(const QUrl& url);
    void showContents();

    QHelpEngine* engine() const { return engine_.get(); }
    HelpBrowser* browser() const { return browser_; }
    QLineEdit* indexFilter() const { return indexFilter_; }
    QTabWidget* tabs() const { return tabs_; }

signals:
    // The contents page was shown for the first time: the viewer is open at its contents.
    void contentsShown();
    void ready();

private:
    void buildWindow();
    void contentsCreated();
    void updateTitle();
    void checkReady();

    QTemporaryDir collectionDirectory_;
    std::unique_ptr<QHelpEngine> engine_;
    HelpBrowser* browser_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QAction* backAction_ = nullptr;
    QAction* forwardAction_ = nullptr;
    QUrl contentsUrl_;
    bool contentsReady_ = false;
    bool indexReady_ = false;
    bool searchReady_ = false;
};

} // namespace orupim::helpviewer
