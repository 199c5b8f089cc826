// The printed-media edition's data: Author, ISBN and Subject in the video window, the Subject list in place
// of Category, the notices item without an access key, and no web-browser look-up, so its web links always
// report that no browser is configured.
#include "editions/printedmedia/printedmediaedition.h"

#include "catalogue/editionbuilder.h"
#include "editions/printedmedia/printedmedialayout.h"

namespace orupim::editions {
namespace {

using namespace catalogue;

Edition makePrintedMediaEdition() {
    Edition e;
    std::vector<RecordViewField> fields = videoRecordViewFields();
    fields[0] = {"Author", "Author :", 0};
    fields[3] = {"ISBN", "ISBN :", 4};
    fields[4] = {"Subject", "Subject :", 5};
    addThreePageRecordView(e, fields);
    setEditionConstants(e, "OruBKS", "BKS", "Pagedex 1.1");
    e.layout = &printedMediaLayout();
    e.looksUpBrowser = false;
    e.duplicateKept = {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit5", "DBEdit6", "DBEdit7"};
    e.duplicateWriteOrder = {"Author", "Title", "Publisher", "Language", "Subject", "Format"};
    setRenamedMenuTexts(e);
    e.menus.noticesCaption = "Read Notices...";
    return e;
}

} // namespace

const Edition& printedMediaEdition() {
    static const Edition edition = makePrintedMediaEdition();
    return edition;
}

} // namespace orupim::editions
