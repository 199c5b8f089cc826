#include "services/helpviewer/helpviewer.h"

#include "services/helpviewer/helpbrowser.h"

#include <QAction>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace orupim::helpviewer {

namespace {
const char* const ViewerTitle = "OruPIM Help";
}

HelpViewer::HelpViewer(QWidget* parent) : QMainWindow(parent) {
    setObjectName("HelpViewer");
    engine_ = std::make_unique<QHelpEngine>(collectionDirectory_.filePath("help.qhc"));
    engine_->setReadOnly(false);
    buildWindow();
    updateTitle();
    resize(800, 560);
}

HelpViewer::~HelpViewer() {
    // The search engine's indexer must stop before its collection directory goes.
    engine_->searchEngine()->cancelIndexing();
    engine_->searchEngine()->cancelSearching();
}

void HelpViewer::buildWindow() {
    browser_ = new HelpBrowser(engine_.get());

    auto* contents = engine_->contentWidget();
    contents->setObjectName("Contents");
    contents->setAccessibleName(tr("Contents"));
    contents->setHeaderHidden(true);
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpViewer::showTopic);
    // One click shows a topic, whatever the style makes of activation (Enter and double clicks activate).
    connect(contents, &QHelpContentWidget::clicked, this, [this](const QModelIndex& entry) {
        if (QHelpContentItem* item = engine_->contentModel()->contentItemAt(entry))
            showTopic(item->url());
    });
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, &HelpViewer::contentsCreated);

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* indexLabel = new QLabel(tr("&Type the word to look for:"), indexPage);
    indexFilter_ = new QLineEdit(indexPage);
    indexFilter_->setObjectName("IndexFilter");
    indexFilter_->setAccessibleName(tr("Index word"));
    indexLabel->setBuddy(indexFilter_);
    QHelpIndexWidget* index = engine_->indexWidget();
    index->setObjectName("Index");
    index->setAccessibleName(tr("Index"));
    indexLayout->addWidget(indexLabel);
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(index);
    connect(indexFilter_, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::clicked, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { showTopic(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) {
                if (!documents.isEmpty())
                    showTopic(documents.front().url);
            });
    connect(engine_->indexModel(), &QHelpIndexModel::indexCreated, this, [this] {
        indexReady_ = true;
        engine_->indexWidget()->filterIndices(indexFilter_->text());
        checkReady();
    });

    QHelpSearchEngine* search = engine_->searchEngine();
    // The search index is made once, when the help file is opened, not again whenever the engine's set-up
    // finishes, so that a search never meets an index being rebuilt.
    disconnect(engine_.get(), &QHelpEngineCore::setupFinished, search, nullptr);
    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setObjectName("SearchQuery");
    query->setAccessibleName(tr("Search words"));
    QHelpSearchResultWidget* results = search->resultWidget();
    results->setObjectName("SearchResults");
    results->setAccessibleName(tr("Topics found"));
    searchLayout->addWidget(query);
    searchLayout->addWidget(results, 1);
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpViewer::showTopic);
    connect(search, &QHelpSearchEngine::indexingFinished, this, [this] {
        searchReady_ = true;
        checkReady();
    });

    tabs_ = new QTabWidget;
    tabs_->setObjectName("Navigation");
    tabs_->addTab(contents, tr("&Contents"));
    tabs_->addTab(indexPage, tr("&Index"));
    tabs_->addTab(searchPage, tr("&Search"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) {
        if (tabs_->widget(page) && tabs_->widget(page)->findChild<QLineEdit*>() == indexFilter_)
            indexFilter_->setFocus();
    });

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 550});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setObjectName("ToolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    backAction_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"), browser_,
                                 &QTextBrowser::backward);
    backAction_->setShortcut(QKeySequence::Back);
    forwardAction_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"), browser_,
                                    &QTextBrowser::forward);
    forwardAction_->setShortcut(QKeySequence::Forward);
    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("C&ontents"), this,
                                   &HelpViewer::showContents);
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    backAction_->setEnabled(false);
    forwardAction_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, backAction_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardAction_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::updateTitle);
}

bool HelpViewer::openHelpFile(const QString& hostPath, QString* error) {
    const QFileInfo file(hostPath);
    if (!file.isFile() || !file.isReadable()) {
        *error = tr("the file does not exist or cannot be read.");
        return false;
    }
    if (!collectionDirectory_.isValid() || !engine_->setupData()) {
        *error = tr("the help engine cannot start (%1).").arg(engine_->error());
        return false;
    }
    const QString path = file.absoluteFilePath();
    if (QHelpEngineCore::namespaceName(path).isEmpty() || !engine_->registerDocumentation(path)) {
        *error = tr("it is not a help file.");
        return false;
    }
    engine_->contentModel()->createContents(QString());
    engine_->indexModel()->createIndex(QString());
    engine_->searchEngine()->reindexDocumentation();
    return true;
}

void HelpViewer::contentsCreated() {
    QHelpContentModel* model = engine_->contentModel();
    if (QHelpContentItem* first = model->contentItemAt(model->index(0, 0)))
        contentsUrl_ = first->url();
    engine_->contentWidget()->expandToDepth(0);
    const bool firstTime = !contentsReady_;
    contentsReady_ = true;
    if (firstTime) {
        showContents();
        emit contentsShown();
    }
    checkReady();
}

void HelpViewer::showTopic(const QUrl& url) {
    if (url.isValid())
        browser_->setSource(url);
}

void HelpViewer::showContents() {
    tabs_->setCurrentIndex(0);
    showTopic(contentsUrl_);
}

void HelpViewer::updateTitle() {
    const QString topic = browser_->documentTitle();
    const QString viewer = tr(ViewerTitle);
    setWindowTitle(topic.isEmpty() || topic == viewer ? viewer : topic + " - " + viewer);
}

void HelpViewer::checkReady() {
    if (isReady())
        emit ready();
}

} // namespace orupim::helpviewer
