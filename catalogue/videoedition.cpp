// The video edition's data: its constants, the record view's pages, labels and controls, its lookup lists,
// the key re-query, what Duplicate keeps, and its menu texts.
#include "catalogue/videoedition.h"

#include "catalogue/editionbuilder.h"
#include "catalogue/videolayout.h"

namespace orupim::catalogue {
namespace {

Edition makeVideoEdition() {
    Edition e;
    addThreePageRecordView(e, videoRecordViewFields());
    setEditionConstants(e, "OruFLX", "FLX", "Filmdex 1.1");
    e.layout = &videoLayout();
    e.looksUpBrowser = true;

    e.duplicateKept = {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit5", "DBEdit6", "DBEdit7"};
    e.duplicateWriteOrder = {"Director", "Title", "Publisher", "Language", "Category", "Format"};

    e.menus.newsletterItem = "Newsleter1";
    e.menus.newsletterCaption = "&Newsleter";
    e.menus.helpMenu = "Help1";
    e.menus.noticesCaption = "&Read Notices...";
    e.menus.aboutItem = "AboutOruFLX1";
    e.menus.aboutCaption = "About OruFLX...";
    return e;
}

} // namespace

const Edition& videoEdition() {
    static const Edition edition = makeVideoEdition();
    return edition;
}

} // namespace orupim::catalogue
