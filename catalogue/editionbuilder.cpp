#include "catalogue/editionbuilder.h"

#include "catalogue/messagetable.h"
#include "platform/core/text.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace orupim::catalogue {

int defaultHeight(ControlKind kind) {
    switch (kind) {
    case ControlKind::CheckBox:
        return 17;
    case ControlKind::Memo:
        return 254;
    case ControlKind::TextField:
    case ControlKind::ListField:
        break;
    }
    return 21;
}

ClipboardStep defaultCopy(ControlKind kind) {
    switch (kind) {
    case ControlKind::ListField:
        return {ClipboardStep::Action::ListField};
    case ControlKind::CheckBox:
        return {ClipboardStep::Action::Refuse, Message::FieldNotCopiable};
    case ControlKind::TextField:
    case ControlKind::Memo:
        break;
    }
    return {ClipboardStep::Action::Edit};
}

ClipboardStep defaultPaste(ControlKind kind) {
    return defaultCopy(kind);
}

ControlDescription& addLabelledControl(Edition& edition, int number, ControlKind kind, std::string field,
                                       std::string caption, int page, int tabOrder, Place place,
                                       LabelPlace labelPlace) {
    const std::string n = std::to_string(number);
    LabelDescription label;
    label.name = "Label" + n;
    label.caption = std::move(caption);
    label.page = page;
    label.left = labelPlace.left;
    label.top = labelPlace.top;
    edition.labels.push_back(label);

    ControlDescription control;
    control.name = "DBEdit" + n;
    control.kind = kind;
    control.field = std::move(field);
    control.label = label.name;
    control.page = page;
    control.tabOrder = tabOrder;
    control.place = place;
    if (control.place.height == 0)
        control.place.height = defaultHeight(kind);
    control.copy = defaultCopy(kind);
    control.paste = defaultPaste(kind);
    edition.controls.push_back(control);
    return edition.controls.back();
}

std::vector<RecordViewField> videoRecordViewFields() {
    // field, label caption, tab order on its page
    return {{"Director", "Director :", 0}, {"Title", "Title :", 1},       {"Publisher", "Publisher :", 2},
            {"Code", "Code :", 4},         {"Category", "Category :", 5}, {"Language", "Language :", 3},
            {"Format", "Format :", 6},     {"Notes", "Notes :", 0},       {"Borrowed", "Borrowed :", 0},
            {"Lent", "Lent :", 1},         {"Date", "Date :", 2},         {"Name", "From/to :", 3}};
}

void addThreePageRecordView(Edition& edition, const std::vector<RecordViewField>& fields) {
    if (fields.size() != 12)
        throw std::logic_error("the three-page record view has twelve controls");
    edition.pages = {{"TabMain", "Main"}, {"TabNotes", "Notes"}, {"TabLoans", "Loans"}};
    constexpr int Main = 0, Notes = 1, Loans = 2;
    using K = ControlKind;
    struct Arrangement {
        ControlKind kind;
        int page;
        Place place;
        LabelPlace label;
    };
    static const Arrangement arrangement[12] = {
        {K::TextField, Main, {104, 16, 373}, {33, 18}},    {K::TextField, Main, {104, 56, 373}, {51, 58}},
        {K::ListField, Main, {104, 96, 373}, {24, 98}},    {K::TextField, Main, {104, 136, 145}, {47, 138}},
        {K::ListField, Main, {332, 134, 145}, {261, 138}}, {K::ListField, Main, {104, 176, 145}, {20, 178}},
        {K::ListField, Main, {332, 176, 145}, {272, 178}}, {K::Memo, Notes, {64, 11, 417, 254}, {12, 12}},
        {K::CheckBox, Loans, {92, 36, 65}, {18, 36}},      {K::CheckBox, Loans, {234, 36, 59}, {184, 36}},
        {K::TextField, Loans, {380, 34, 100}, {322, 36}},  {K::TextField, Loans, {90, 84, 389}, {24, 86}},
    };
    edition.captionLabels.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Arrangement& a = arrangement[i];
        addLabelledControl(edition, static_cast<int>(i + 1), a.kind, fields[i].field, fields[i].caption,
                           a.page, fields[i].tabOrder, a.place, a.label);
        edition.captionLabels.push_back(edition.labels.back().name);
    }
    edition.controls[7].searchable = false; // Notes
    edition.controls[8].searchable = false; // Borrowed
    edition.lists.clear();
    for (const char* name : {"DBEdit3", "DBEdit5", "DBEdit6", "DBEdit7"})
        edition.lists.push_back({edition.control(name)->field, name});
}

void setEditionConstants(Edition& edition, std::string deliverable, std::string code,
                         std::string windowTitle) {
    edition.deliverable = std::move(deliverable);
    edition.code = std::move(code);
    edition.table = toLowerAscii(edition.code);
    edition.designStatement = "select * from " + edition.table + ";";
    edition.showStatement = "select * from " + edition.table;
    edition.listFile = "oru" + edition.table + ".dat";
    edition.windowTitle = std::move(windowTitle);
    edition.applicationTitle = edition.deliverable + " 1.1";
    edition.printHeading = edition.code + " Record";
    edition.printJobField = "Title";
    edition.designCaption = edition.code;
    edition.menus.aboutHint = "About " + edition.code;
    edition.keyColumns = {edition.controls.at(0).field, edition.controls.at(1).field};
    edition.keyReQueryFormat = "select * from " + edition.table + " where " + edition.keyColumns[0] +
                               " = '%s' and " + edition.keyColumns[1] + " = '%s'";
}

void setRenamedMenuTexts(Edition& edition) {
    edition.menus.newsletterItem = "Newsletter1";
    edition.menus.newsletterCaption = "&Newsletter";
    edition.menus.helpMenu = "MenuHelp";
    edition.menus.noticesCaption = "&Read Notices...";
    edition.menus.aboutItem = "About";
    edition.menus.aboutCaption = "&About " + edition.code + "...";
}

} // namespace orupim::catalogue
