// The video edition's data: its constants, the record view's pages, labels and controls, its lookup lists,
// the key re-query, what Duplicate keeps, and its menu texts.
#include "catalogue/videoedition.h"

#include "catalogue/editionbuilder.h"
#include "catalogue/videolayout.h"

namespace orupim::catalogue {
namespace {

Edition makeVideoEdition() {
    Edition e;
    e.deliverable = "OruFLX";
    e.code = "FLX";
    e.table = "flx";
    e.designStatement = "select * from flx;";
    e.showStatement = "select * from flx";
    e.listFile = "oruflx.dat";
    e.windowTitle = "Filmdex 1.1";
    e.applicationTitle = "OruFLX 1.1";
    e.printHeading = "FLX Record";
    e.dataSourceName = "VideoDataSource";
    e.fileDescription = "Filmdex";
    e.designCaption = "FLX";
    e.layout = &videoLayout();

    e.pages = {{"TabMain", "Main"}, {"TabNotes", "Notes"}, {"TabLoans", "Loans"}};
    constexpr int Main = 0, Notes = 1, Loans = 2;

    using K = ControlKind;
    // name, kind, field, label caption, page, tab order, control place, label place
    addLabelledControl(e, 1, K::TextField, "Director", "Director :", Main, 0, {104, 16, 373}, {33, 18});
    addLabelledControl(e, 2, K::TextField, "Title", "Title :", Main, 1, {104, 56, 373}, {51, 58});
    addLabelledControl(e, 3, K::ListField, "Publisher", "Publisher :", Main, 2, {104, 96, 373}, {24, 98});
    addLabelledControl(e, 4, K::TextField, "Code", "Code :", Main, 4, {104, 136, 145}, {47, 138});
    addLabelledControl(e, 5, K::ListField, "Category", "Category :", Main, 5, {332, 134, 145}, {261, 138});
    addLabelledControl(e, 6, K::ListField, "Language", "Language :", Main, 3, {104, 176, 145}, {20, 178});
    addLabelledControl(e, 7, K::ListField, "Format", "Format :", Main, 6, {332, 176, 145}, {272, 178});
    addLabelledControl(e, 8, K::Memo, "Notes", "Notes :", Notes, 0, {64, 11, 417, 254}, {12, 12});
    addLabelledControl(e, 9, K::CheckBox, "Borrowed", "Borrowed :", Loans, 0, {92, 36, 65}, {18, 36});
    addLabelledControl(e, 10, K::CheckBox, "Lent", "Lent :", Loans, 1, {234, 36, 59}, {184, 36});
    addLabelledControl(e, 11, K::TextField, "Date", "Date :", Loans, 2, {380, 34, 100}, {322, 36});
    addLabelledControl(e, 12, K::TextField, "Name", "From/to :", Loans, 3, {90, 84, 389}, {24, 86});
    e.controls[7].searchable = false; // Notes
    e.controls[8].searchable = false; // Borrowed

    e.captionLabels = {"Label1", "Label2", "Label3", "Label4",  "Label5",  "Label6",
                       "Label7", "Label8", "Label9", "Label10", "Label11", "Label12"};

    e.lists = {
        {"Publisher", "DBEdit3"}, {"Category", "DBEdit5"}, {"Language", "DBEdit6"}, {"Format", "DBEdit7"}};
    e.looksUpBrowser = true;

    e.keyColumns = {"Director", "Title"};
    e.keyReQueryFormat = "select * from flx where Director = '%s' and Title = '%s'";

    e.duplicateKept = {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit5", "DBEdit6", "DBEdit7"};
    e.duplicateWriteOrder = {"Director", "Title", "Publisher", "Language", "Category", "Format"};

    e.menus.newsletterItem = "Newsleter1";
    e.menus.newsletterCaption = "&Newsleter";
    e.menus.helpMenu = "Help1";
    e.menus.noticesCaption = "&Read Notices...";
    e.menus.aboutItem = "AboutOruFLX1";
    e.menus.aboutCaption = "About OruFLX...";
    e.menus.aboutHint = "About FLX";
    return e;
}

} // namespace

const Edition& videoEdition() {
    static const Edition edition = makeVideoEdition();
    return edition;
}

} // namespace orupim::catalogue
