// The contact edition's data: its constants, the record view of three pages with the address on "Main", the
// numbers and addresses on "Others" and the memo on "Notes", its lookup lists, the key re-query by Name and
// Street, what Duplicate keeps, and its menu texts.
#include "editions/contact/contactedition.h"

#include "catalogue/editionbuilder.h"
#include "catalogue/messagetable.h"
#include "editions/contact/contactlayout.h"

#include <string>
#include <utility>

namespace orupim::editions {
namespace {

using namespace catalogue;

// A check box of the page "Main": no label of its own (it stands under the shared "Type :"), its own caption
// both on the window and as the search field's label, not searchable, and no clipboard command.
ControlDescription typeCheckBox(int number, std::string field, std::string caption, int tabOrder,
                                Place place) {
    ControlDescription box;
    box.name = "DBEdit" + std::to_string(number);
    box.kind = ControlKind::CheckBox;
    box.field = std::move(field);
    box.caption = std::move(caption);
    box.page = 0;
    box.tabOrder = tabOrder;
    box.place = place;
    box.place.height = defaultHeight(box.kind);
    box.searchLabel = SearchLabelSource::OwnCaption;
    box.searchable = false;
    box.copy = defaultCopy(box.kind);
    box.paste = defaultPaste(box.kind);
    return box;
}

Edition makeContactEdition() {
    Edition e;
    e.deliverable = "OruPPL";
    e.code = "PPL";
    e.table = "ppl";
    e.designStatement = "select * from ppl;";
    e.showStatement = "select * from ppl";
    e.listFile = "oruppl.dat";
    e.windowTitle = "Peopledex 1.1";
    e.applicationTitle = "OruPPL 1.1";
    e.printHeading = "PPL Record";
    e.printJobField = "Name";
    e.designCaption = "PPL";
    e.layout = &contactLayout();

    e.pages = {{"TabMain", "Main"}, {"TabLoans", "Others"}, {"TabNotes", "Notes"}};
    constexpr int Main = 0, Others = 1, Notes = 2;

    using K = ControlKind;
    // number, kind, field, label caption, page, tab order, control place, label place
    addLabelledControl(e, 1, K::TextField, "Name", "Name :", Main, 0, {104, 20, 373}, {46, 24});
    addLabelledControl(e, 2, K::TextField, "Street", "Street :", Main, 1, {104, 58, 373}, {43, 60});
    addLabelledControl(e, 3, K::TextField, "PostCode", "Post Code :", Main, 3, {104, 94, 200}, {19, 96});
    addLabelledControl(e, 4, K::ListField, "Region", "Region :", Main, 4, {104, 130, 200}, {37, 134});
    addLabelledControl(e, 5, K::ListField, "Country", "Country :", Main, 2, {104, 166, 200}, {33, 170});
    e.labels.push_back({"Label6and7", "Type :", Main, 46, 210});
    e.controls.push_back(typeCheckBox(6, "Personal", "Private", 5, {104, 208, 73}));
    e.controls.push_back(typeCheckBox(7, "Business", "Business", 6, {234, 208, 81}));
    ControlDescription& phone =
        addLabelledControl(e, 8, K::TextField, "Phone", "Phone :", Others, 2, {90, 38, 389}, {26, 42});
    phone.copy = {ClipboardStep::Action::Refuse, Message::InvalidSelection};
    phone.paste = {ClipboardStep::Action::Refuse, Message::SelectDestinationFirst};
    addLabelledControl(e, 9, K::TextField, "Fax", "Fax :", Others, 0, {90, 72, 389}, {42, 78}).searchable =
        false;
    ControlDescription& email =
        addLabelledControl(e, 10, K::TextField, "Email", "E-mail :", Others, 1, {90, 108, 389}, {28, 114});
    email.searchable = false;
    email.copy = {ClipboardStep::Action::Refuse, Message::InvalidSelection};
    addLabelledControl(e, 11, K::TextField, "Web", "URL :", Others, 3, {90, 142, 389}, {36, 146});
    addLabelledControl(e, 12, K::Memo, "Notes", "Notes :", Notes, 0, {64, 13, 417, 254}, {12, 12});

    // Entering the page control from outside it runs the Notes memo's handler, before that of the control
    // inside that takes the focus.
    e.pageControlEnter = "DBEdit12";
    e.searchFieldLabelWidth = 133;

    // The shared label's caption goes beside Personal only; Business prints with an empty caption.
    e.captionLabels = {"Label1", "Label2", "Label3", "Label4",  "Label5",  "Label6and7",
                       "",       "Label8", "Label9", "Label10", "Label11", "Label12"};

    e.lists = {{"Region", "DBEdit4"}, {"Country", "DBEdit5"}};
    e.looksUpBrowser = true;

    e.keyColumns = {"Name", "Street"};
    e.keyReQueryFormat = "select * from ppl where Name = '%s' and Street = '%s'";

    e.duplicateKept = {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4", "DBEdit5"};
    e.duplicateWriteOrder = {"Name", "Street", "PostCode", "Region", "Country"};

    e.menus.newsletterItem = "Newsletter1";
    e.menus.newsletterCaption = "&Newsletter";
    e.menus.helpMenu = "MenuHelp";
    e.menus.noticesCaption = "&Read Notices...";
    e.menus.aboutItem = "About";
    e.menus.aboutCaption = "&About PPL...";
    e.menus.aboutHint = "About PPL";
    return e;
}

} // namespace

const catalogue::Edition& contactEdition() {
    static const catalogue::Edition edition = makeContactEdition();
    return edition;
}

} // namespace orupim::editions
