// orupim-helpviewer HELPFILE: the suite's help viewer, which the help engine starts for the contents and
// index of a help file. A file that cannot be opened is said in a message box.
//
// For the suite's tests, ORUPIM_HELPVIEWER_REPORT names a file into which the viewer writes, once its
// contents page shows, the window's title, the page's address and the contents' top entries (or "error: " and
// the reason), and then ends, so that a test sees what a user would and leaves nothing running.
#include "services/helpviewer/helpviewer.h"

#include <QApplication>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QMessageBox>
#include <QSaveFile>
#include <QTextBrowser>
#include <QTextStream>

#include "services/helpviewer/helpbrowser.h"

namespace {

void writeReport(const QString& reportFile, const QStringList& lines) {
    QSaveFile file(reportFile);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream out(&file);
        for (const QString& line : lines)
            out << line << '\n';
        out.flush();
        file.commit();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("OruPIM Help");
    const QString reportFile = qEnvironmentVariable("ORUPIM_HELPVIEWER_REPORT");
    const QStringList arguments = QApplication::arguments();
    const QString helpFile = arguments.size() > 1 ? arguments.at(1) : QString();

    orupim::helpviewer::HelpViewer viewer;
    QString error;
    const bool opened = helpFile.isEmpty() ? (error = QObject::tr("no help file was named."), false)
                                           : viewer.openHelpFile(helpFile, &error);
    if (!opened) {
        const QString text = QObject::tr("Cannot open the help file \"%1\": %2").arg(helpFile, error);
        if (!reportFile.isEmpty()) {
            writeReport(reportFile, {"error: " + text});
            return 1;
        }
        // The user has been told: the viewer ends without a failure of its own to report.
        QMessageBox::critical(nullptr, QObject::tr("OruPIM Help"), text);
        return 0;
    }
    if (!reportFile.isEmpty()) {
        QObject::connect(&viewer, &orupim::helpviewer::HelpViewer::contentsShown, &viewer, [&] {
            QStringList lines{viewer.windowTitle(), viewer.browser()->source().toString()};
            QHelpContentModel* model = viewer.engine()->contentModel();
            const QModelIndex top = model->index(0, 0);
            for (int row = 0; row < model->rowCount(top); ++row)
                lines << model->data(model->index(row, 0, top), Qt::DisplayRole).toString();
            writeReport(reportFile, lines);
            QApplication::quit();
        });
    }
    viewer.show();
    return QApplication::exec();
}
