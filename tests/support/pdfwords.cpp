#include "pdfwords.h"

#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <system_error>

namespace orupim::test {
namespace {

std::string unescaped(QString text) {
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'");
    return text.replace("&amp;", "&").toStdString();
}

} // namespace

PdfText readPdfText(const std::filesystem::path& pdf) {
    QProcess process;
    process.start("pdftotext", {"-bbox", QString::fromStdString(pdf.string()), "-"});
    PdfText result;
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return result;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression element(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = element.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!match.captured(1).isEmpty()) {
            if (result.pages++ == 0) {
                result.pageWidth = match.captured(1).toDouble();
                result.pageHeight = match.captured(2).toDouble();
            }
            continue;
        }
        result.words.push_back({result.pages - 1, match.captured(3).toDouble(), match.captured(4).toDouble(),
                                match.captured(5).toDouble(), match.captured(6).toDouble(),
                                unescaped(match.captured(7))});
    }
    return result;
}

std::vector<PdfWord> wordsOnLine(const PdfText& text, int page, double top) {
    std::vector<PdfWord> line;
    for (const PdfWord& word : text.words)
        if (word.page == page && std::abs(word.yMin - top) < 1.0)
            line.push_back(word);
    std::sort(line.begin(), line.end(), [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
    return line;
}

void savePdfPicture(const std::filesystem::path& pdf, const std::string& name, int page) {
    const char* dir = std::getenv("ORUPIM_SCREENSHOTS");
    if (!dir || !*dir)
        return;
    const std::filesystem::path stem = std::filesystem::path(dir) / name;
    std::error_code ignored;
    std::filesystem::create_directories(stem.parent_path(), ignored);
    const QString number = QString::number(page + 1);
    QProcess process;
    process.start("pdftoppm", {"-png", "-r", "72", "-singlefile", "-f", number, "-l", number,
                               QString::fromStdString(pdf.string()), QString::fromStdString(stem.string())});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        std::cerr << "cannot write the picture " << stem.string() << ".png\n";
}

} // namespace orupim::test
