// The audio edition's data: Artist in place of the director, the tab order on "Main" that reaches Code before
// Category and Language, the Code control entering through the Date control's handler, and a Duplicate that
// keeps five texts and leaves Format empty.
#include "editions/audio/audioedition.h"

#include "catalogue/editionbuilder.h"
#include "editions/audio/audiolayout.h"

namespace orupim::editions {
namespace {

using namespace catalogue;

Edition makeAudioEdition() {
    Edition e;
    // Artist in place of the director; on "Main" the Tab key reaches Code, Category, then Language.
    std::vector<RecordViewField> fields = videoRecordViewFields();
    fields[0] = {"Artist", "Artist :", 0};
    fields[3].tabOrder = 3; // Code
    fields[4].tabOrder = 4; // Category
    fields[5].tabOrder = 5; // Language
    addThreePageRecordView(e, fields);
    setEditionConstants(e, "OruSND", "SND", "Sounddex 1.1");
    e.layout = &audioLayout();
    e.looksUpBrowser = true;
    e.duplicateKept = {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit5", "DBEdit6"};
    e.duplicateWriteOrder = {"Artist", "Title", "Publisher", "Category", "Language"};
    setRenamedMenuTexts(e);
    return e;
}

} // namespace

const Edition& audioEdition() {
    static const Edition edition = makeAudioEdition();
    return edition;
}

} // namespace orupim::editions
