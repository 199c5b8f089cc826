// Print Record: a page on the default printer with the edition's heading and one line per data control, its
// caption from the caption table and the text form of the field it shows. The page is laid out in units of
// 1/300 inch, scaled to the printer's resolution, so that every printer gives the same page; the line step is
// 30 units plus the height of the lines' font. A value goes on over further lines at its own column where it
// is wider than the room beside its caption or holds line breaks, and the lines go on over a new page where
// they reach the page's foot. A job that an error interrupts is abandoned, so that it never blocks the next
// Print Record.
#include "catalogue/mainwindow.h"

#include "catalogue/modulevalues.h"
#include "catalogue/printedlines.h"
#include "platform/db/field.h"
#include "platform/ui/datacontrol.h"
#include "platform/ui/printer.h"

#include <algorithm>

namespace orupim::catalogue {
namespace {

constexpr int UnitsPerInch = 300;
constexpr int HeadingX = 100;
constexpr int Top = 80;
constexpr int CaptionX = 160;
constexpr int ValueX = 560;
constexpr int LineGap = 30;
constexpr int LineFontSize = 10;
// The room a value leaves at the right edge and at the foot of the page: as much as the captions and the
// heading leave at the left edge and the top.
constexpr int RightMargin = CaptionX;
constexpr int BottomMargin = Top;

// The field's text form ("" for no field or no value).
std::string printedValue(QWidget* control) {
    const auto* data = dynamic_cast<const ui::DataControl*>(control);
    const db::Field* field = data ? data->field() : nullptr;
    return field ? field->asText() : std::string();
}

// Places on the page, from units to the printer's device units.
class PageScale {
public:
    explicit PageScale(int pixelsPerInch) : pixelsPerInch_(pixelsPerInch) {}
    int operator()(int units) const {
        return static_cast<int>((static_cast<long>(units) * pixelsPerInch_ + UnitsPerInch / 2) /
                                UnitsPerInch);
    }

private:
    int pixelsPerInch_;
};

// The height of the lines' font in units: the font's height at the page's own resolution.
int lineFontHeight() {
    ui::PrinterFont font;
    font.setSize(LineFontSize);
    font.setPixelsPerInch(UnitsPerInch);
    return -font.height();
}

} // namespace

std::string TMainWindow::printJobTitle() {
    std::string title = edition_.printHeading;
    const db::Field* named = mainQuery_.findField(edition_.printJobField);
    const std::string name = named ? named->asText() : std::string();
    if (!name.empty())
        title += " - " + name;
    return title;
}

void TMainWindow::PrintRecClick() {
    ui::Printer& printer = ui::printer();
    printer.setTitle(printJobTitle());
    printer.beginDoc();
    struct AbortUnlessEnded {
        ui::Printer& printer;
        ~AbortUnlessEnded() { printer.abort(); }
    } abortUnlessEnded{printer};

    ui::PrinterCanvas& canvas = printer.canvas();
    const PageScale device(canvas.font().pixelsPerInch());
    canvas.textOut(device(HeadingX), device(Top), edition_.printHeading);
    canvas.font().setSize(LineFontSize);

    const int step = LineGap + lineFontHeight();
    const int firstLine = Top + step;
    const int room = printer.pageWidth() - device(ValueX) - device(RightMargin);
    const int foot = printer.pageHeight() - device(BottomMargin);
    const int lineHeight = -canvas.font().height();
    auto measure = [&canvas](std::string_view text) { return canvas.textWidth(text); };

    const std::size_t fields = std::min(FieldCaptions.size(), dataControls_.size());
    int y = Top;
    for (std::size_t i = 0; i < fields; ++i) {
        const std::vector<std::string> lines = printedLines(printedValue(dataControls_[i]), room, measure);
        for (std::size_t line = 0; line < lines.size(); ++line) {
            y += step;
            if (y > firstLine && device(y) + lineHeight > foot) {
                printer.newPage();
                y = firstLine;
            }
            if (line == 0)
                canvas.textOut(device(CaptionX), device(y), FieldCaptions[i].str());
            canvas.textOut(device(ValueX), device(y), lines[line]);
        }
    }
    printer.endDoc();
}

} // namespace orupim::catalogue
