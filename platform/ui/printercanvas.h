// The printer's canvas: text output at a point of the page of the job in progress, in the canvas's font, and
// the width a text takes in it.
#pragma once

#include "platform/ui/printerfont.h"

#include <string_view>

namespace orupim::ui {

class PrintJob;

class PrinterCanvas {
public:
    PrinterFont& font() { return font_; }
    const PrinterFont& font() const { return font_; }
    // Both raise PrinterError when no job is in progress.
    void textOut(int x, int y, std::string_view text);
    // The width of `text` on one line in the canvas's font, in device units.
    int textWidth(std::string_view text) const;

private:
    friend class Printer;
    PrinterFont font_;
    PrintJob* job_ = nullptr;
};

} // namespace orupim::ui
