// The software edition's data: the video window with Author, Code and the software constants; its steps are
// all the video edition's.
#include "editions/software/softwareedition.h"

#include "catalogue/editionbuilder.h"
#include "editions/software/softwarelayout.h"

namespace orupim::editions {
namespace {

using namespace catalogue;

Edition makeSoftwareEdition() {
    Edition e;
    std::vector<RecordViewField> fields = videoRecordViewFields();
    fields[0] = {"Author", "Author :", 0};
    addThreePageRecordView(e, fields);
    setEditionConstants(e, "OruPRG", "PRG", "Progdex 1.1");
    e.layout = &softwareLayout();
    e.looksUpBrowser = true;
    e.duplicateKept = {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit5", "DBEdit6", "DBEdit7"};
    e.duplicateWriteOrder = {"Author", "Title", "Publisher", "Language", "Category", "Format"};
    setRenamedMenuTexts(e);
    return e;
}

} // namespace

const Edition& softwareEdition() {
    static const Edition edition = makeSoftwareEdition();
    return edition;
}

} // namespace orupim::editions
