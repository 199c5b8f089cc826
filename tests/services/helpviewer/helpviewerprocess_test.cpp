// The real orupim-helpviewer program, started offscreen: it opens the help file at its contents, and it
// refuses a missing file with the reason. Each run ends by itself once it has reported what it shows.
#include "temproot.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <fstream>
#include <gtest/gtest.h>

namespace {

struct ViewerRun {
    int exitCode;
    QStringList report;
};

ViewerRun runViewer(const QStringList& arguments) {
    const QString report = QString::fromStdString((orupim::test::tempRoot() / "viewer-report.txt").string());
    QFile::remove(report);
    QProcess viewer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("ORUPIM_HELPVIEWER_REPORT", report);
    viewer.setProcessEnvironment(environment);
    viewer.start(ORUPIM_HELPVIEWER, arguments);
    if (!viewer.waitForFinished(20000)) {
        viewer.kill();
        viewer.waitForFinished();
        return {-1, {}};
    }
    QFile file(report);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    return {viewer.exitCode(), QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)};
}

TEST(HelpViewerProgram, OpensTheHelpFileAtItsContents) {
    const ViewerRun run = runViewer({ORUPIM_HELP_FILE});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_GE(run.report.size(), 3);
    EXPECT_EQ(run.report[0], "OruPIM Help");
    EXPECT_EQ(run.report[1], "qthelp://brenmoor.orupim.help/doc/index.html");
    EXPECT_EQ(run.report[2], "The catalogue programs");
}

TEST(HelpViewerProgram, SaysWhyAFileCannotBeOpened) {
    const QString missing = QString::fromStdString((orupim::test::tempRoot() / "OruPIM.hlp").string());
    struct Case {
        QStringList arguments;
        QString report;
    };
    const Case cases[] = {
        {{missing},
         "error: Cannot open the help file \"" + missing + "\": the file does not exist or cannot be read."},
        {{}, "error: Cannot open the help file \"\": no help file was named."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report.toStdString());
        const ViewerRun run = runViewer(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.report, QStringList{c.report});
    }
    EXPECT_FALSE(QFile::exists(missing));
}

} // namespace
