// Replaces the default printer for the life of the object: every job is recorded instead of printed, with
// its title, each text written (its page, its place, its text and the font size it was written in) and how
// the job closed. The recorded printer has the resolution and printable area a test chooses, and measures a
// text as half the font's size per character; it can also be made to be missing, or to fail at a chosen text
// of a job, for the paths where printing is refused or interrupted. The printer object is made anew when the
// recorder starts and when it ends, so its font starts at its default as in a new process.
#pragma once

#include "platform/core/replaceable.h"
#include "platform/ui/printjob.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orupim::testing {

class PrinterRecorder {
public:
    struct TextOut {
        int x = 0;
        int y = 0;
        std::string text;
        int fontSize = 0;
        int page = 0; // counted from 0
        bool operator==(const TextOut& other) const {
            return x == other.x && y == other.y && text == other.text && fontSize == other.fontSize &&
                   page == other.page;
        }
    };
    struct Job {
        std::string title;
        std::vector<TextOut> texts;
        int pages = 1;
        bool ended = false;   // the page was sent
        bool aborted = false; // the job was abandoned
    };

    PrinterRecorder();
    ~PrinterRecorder();
    PrinterRecorder(const PrinterRecorder&) = delete;
    PrinterRecorder& operator=(const PrinterRecorder&) = delete;

    int pixelsPerInch = 300;
    // The printable area, in inches (US Letter less a quarter inch on each side).
    double pageWidthInches = 8.0;
    double pageHeightInches = 10.5;
    bool hasDefaultPrinter = true;
    // The text of a job (counted from 0) at which the printer raises an error instead of writing it.
    std::optional<std::size_t> failAtText;

    std::vector<Job> jobs; // in the order they were begun

private:
    Replacement<ui::PrintJobFunction> replacement_;
};

std::ostream& operator<<(std::ostream& out, const PrinterRecorder::TextOut& text);

} // namespace orupim::testing
