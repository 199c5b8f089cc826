// The words of a printed PDF as pdftotext -bbox reads them back: each word's page, its box in points from the
// page's top-left corner, and its text; and the size of the first page. Pages can be saved as pictures.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orupim::test {

struct PdfWord {
    int page = 0; // counted from 0
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    std::string text;
};

struct PdfText {
    double pageWidth = 0;
    double pageHeight = 0;
    int pages = 0;
    std::vector<PdfWord> words; // in reading order
};

// Runs pdftotext on `pdf`; an empty result (no pages) when it cannot.
PdfText readPdfText(const std::filesystem::path& pdf);

// The words of one line: those of `page` whose top lies within a point of `top`, left to right.
std::vector<PdfWord> wordsOnLine(const PdfText& text, int page, double top);

// Writes a page (counted from 0) to <ORUPIM_SCREENSHOTS>/<name>.png for a person to look at, when that
// variable is set (as saveScreenshot does for windows); a picture that cannot be written is reported on
// standard error and decides nothing.
void savePdfPicture(const std::filesystem::path& pdf, const std::string& name, int page = 0);

} // namespace orupim::test
