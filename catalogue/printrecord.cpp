// Print Record: one page on the default printer with the edition's heading and one line per data control,
// its caption from the caption table and the text form of the field it shows. Places are device units, so
// the line step (30 units plus the character height) follows the printer's resolution. A job that an error
// interrupts is abandoned, so that it never blocks the next Print Record.
#include "catalogue/mainwindow.h"

#include "catalogue/modulevalues.h"
#include "platform/db/field.h"
#include "platform/ui/datacontrol.h"
#include "platform/ui/printer.h"

#include <algorithm>

namespace orupim::catalogue {
namespace {

constexpr int HeadingX = 100;
constexpr int Top = 80;
constexpr int CaptionX = 160;
constexpr int ValueX = 560;
constexpr int LineGap = 30;
constexpr int LineFontSize = 10;

// The field's text form ("" for no field or no value).
std::string printedValue(QWidget* control) {
    const auto* data = dynamic_cast<const ui::DataControl*>(control);
    const db::Field* field = data ? data->field() : nullptr;
    return field ? field->asText() : std::string();
}

} // namespace

void TMainWindow::PrintRecClick() {
    ui::Printer& printer = ui::printer();
    printer.beginDoc();
    struct AbortUnlessEnded {
        ui::Printer& printer;
        ~AbortUnlessEnded() { printer.abort(); }
    } abortUnlessEnded{printer};

    ui::PrinterCanvas& canvas = printer.canvas();
    canvas.textOut(HeadingX, Top, edition_.printHeading);
    canvas.font().setSize(LineFontSize);
    const int height = canvas.font().height();
    const std::size_t lines = std::min(FieldCaptions.size(), DataControls.size());
    int y = Top;
    for (std::size_t i = 0; i < lines; ++i) {
        y += LineGap - height;
        canvas.textOut(CaptionX, y, FieldCaptions[i].str());
        canvas.textOut(ValueX, y, printedValue(DataControls[i]));
    }
    printer.endDoc();
}

} // namespace orupim::catalogue
