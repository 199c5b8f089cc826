// The contact edition's description against its values: the constants, every control of the three pages
// with its label, place, tab order, search and clipboard rules, the caption table with its empty entry, the
// lists, the key re-query, what Duplicate keeps, the menu texts, and the lookup-list file it ships with.
#include "editions/contact/contactedition.h"
#include "platform/files/drivepath.h"
#include "platform/profile/inifile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orupim::editions {
namespace {

using namespace catalogue;
using Action = ClipboardStep::Action;

TEST(ContactEdition, Constants) {
    const Edition& e = contactEdition();
    EXPECT_EQ(e.deliverable, "OruPPL");
    EXPECT_EQ(e.code, "PPL");
    EXPECT_EQ(e.table, "ppl");
    EXPECT_EQ(e.designStatement, "select * from ppl;");
    EXPECT_EQ(e.showStatement, "select * from ppl");
    EXPECT_EQ(e.listFile, "oruppl.dat");
    EXPECT_EQ(e.windowTitle, "Peopledex 1.1");
    EXPECT_EQ(e.applicationTitle, "OruPPL 1.1");
    EXPECT_EQ(e.printHeading, "PPL Record");
    ASSERT_NE(e.layout, nullptr);
    EXPECT_EQ(e.layout->table, "ppl");
    EXPECT_EQ(e.layout->fields.size(), 13u);
    EXPECT_TRUE(e.looksUpBrowser);
    EXPECT_EQ(e.keyColumns, (std::vector<std::string>{"Name", "Street"}));
    EXPECT_EQ(e.keyReQueryFormat, "select * from ppl where Name = '%s' and Street = '%s'");
    EXPECT_EQ(e.pageControlEnter, std::optional<std::string>("DBEdit12"));
    EXPECT_EQ(e.searchFieldLabelWidth, std::optional<int>(133));
}

TEST(ContactEdition, PagesAndControls) {
    const Edition& e = contactEdition();
    ASSERT_EQ(e.pages.size(), 3u);
    const std::pair<const char*, const char*> pages[] = {
        {"TabMain", "Main"}, {"TabLoans", "Others"}, {"TabNotes", "Notes"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(e.pages[i].name, pages[i].first);
        EXPECT_EQ(e.pages[i].caption, pages[i].second);
    }

    using K = ControlKind;
    struct Row {
        ControlKind kind;
        const char* field;
        const char* caption; // a check box's own
        const char* label;
        int page;
        int tabOrder;
        Place place;
        bool searchable;
        SearchLabelSource searchLabel;
        ClipboardStep copy;
        ClipboardStep paste;
    };
    const ClipboardStep edit{Action::Edit}, list{Action::ListField}, refuse13{Action::Refuse, 13},
        refuse14{Action::Refuse, 14}, refuse15{Action::Refuse, 15};
    const auto L = SearchLabelSource::Label, Own = SearchLabelSource::OwnCaption;
    const Row rows[] = {
        {K::TextField, "Name", "", "Label1", 0, 0, {104, 20, 373, 21}, true, L, edit, edit},
        {K::TextField, "Street", "", "Label2", 0, 1, {104, 58, 373, 21}, true, L, edit, edit},
        {K::TextField, "PostCode", "", "Label3", 0, 3, {104, 94, 200, 21}, true, L, edit, edit},
        {K::ListField, "Region", "", "Label4", 0, 4, {104, 130, 200, 21}, true, L, list, list},
        {K::ListField, "Country", "", "Label5", 0, 2, {104, 166, 200, 21}, true, L, list, list},
        {K::CheckBox, "Personal", "Private", "", 0, 5, {104, 208, 73, 17}, false, Own, refuse13, refuse13},
        {K::CheckBox, "Business", "Business", "", 0, 6, {234, 208, 81, 17}, false, Own, refuse13, refuse13},
        {K::TextField, "Phone", "", "Label8", 1, 2, {90, 38, 389, 21}, true, L, refuse14, refuse15},
        {K::TextField, "Fax", "", "Label9", 1, 0, {90, 72, 389, 21}, false, L, edit, edit},
        {K::TextField, "Email", "", "Label10", 1, 1, {90, 108, 389, 21}, false, L, refuse14, edit},
        {K::TextField, "Web", "", "Label11", 1, 3, {90, 142, 389, 21}, true, L, edit, edit},
        {K::Memo, "Notes", "", "Label12", 2, 0, {64, 13, 417, 254}, true, L, edit, edit},
    };
    ASSERT_EQ(e.controls.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
        const ControlDescription& c = e.controls[i];
        const Row& r = rows[i];
        const std::string name = "DBEdit" + std::to_string(i + 1);
        SCOPED_TRACE(name);
        EXPECT_EQ(c.name, name);
        EXPECT_EQ(c.kind, r.kind);
        EXPECT_EQ(c.field, r.field);
        EXPECT_EQ(c.caption, r.caption);
        EXPECT_EQ(c.label, r.label);
        EXPECT_EQ(c.page, r.page);
        EXPECT_EQ(c.tabOrder, r.tabOrder);
        EXPECT_EQ(c.place.left, r.place.left);
        EXPECT_EQ(c.place.top, r.place.top);
        EXPECT_EQ(c.place.width, r.place.width);
        EXPECT_EQ(c.place.height, r.place.height);
        EXPECT_EQ(c.searchable, r.searchable);
        EXPECT_EQ(c.searchLabel, r.searchLabel);
        EXPECT_EQ(c.copy.action, r.copy.action);
        EXPECT_EQ(c.copy.message, r.copy.message);
        EXPECT_EQ(c.paste.action, r.paste.action);
        EXPECT_EQ(c.paste.message, r.paste.message);
    }
    EXPECT_EQ(e.controlForField("City"), nullptr);
}

TEST(ContactEdition, ElevenLabelsAndTheCaptionTable) {
    const Edition& e = contactEdition();
    struct Row {
        const char* name;
        const char* caption;
        int page;
        int left;
        int top;
    } rows[] = {
        {"Label1", "Name :", 0, 46, 24},      {"Label2", "Street :", 0, 43, 60},
        {"Label3", "Post Code :", 0, 19, 96}, {"Label4", "Region :", 0, 37, 134},
        {"Label5", "Country :", 0, 33, 170},  {"Label6and7", "Type :", 0, 46, 210},
        {"Label8", "Phone :", 1, 26, 42},     {"Label9", "Fax :", 1, 42, 78},
        {"Label10", "E-mail :", 1, 28, 114},  {"Label11", "URL :", 1, 36, 146},
        {"Label12", "Notes :", 2, 12, 12},
    };
    ASSERT_EQ(e.labels.size(), 11u);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const LabelDescription* label = e.label(r.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->caption, r.caption);
        EXPECT_EQ(label->page, r.page);
        EXPECT_EQ(label->left, r.left);
        EXPECT_EQ(label->top, r.top);
    }
    EXPECT_EQ(e.captionLabels,
              (std::vector<std::string>{"Label1", "Label2", "Label3", "Label4", "Label5", "Label6and7", "",
                                        "Label8", "Label9", "Label10", "Label11", "Label12"}));
}

TEST(ContactEdition, ListsDuplicateAndMenus) {
    const Edition& e = contactEdition();
    ASSERT_EQ(e.lists.size(), 2u);
    EXPECT_EQ(e.lists[0].section, "Region");
    EXPECT_EQ(e.lists[0].control, "DBEdit4");
    EXPECT_EQ(e.lists[1].section, "Country");
    EXPECT_EQ(e.lists[1].control, "DBEdit5");
    EXPECT_EQ(e.duplicateKept,
              (std::vector<std::string>{"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4", "DBEdit5"}));
    EXPECT_EQ(e.duplicateWriteOrder,
              (std::vector<std::string>{"Name", "Street", "PostCode", "Region", "Country"}));
    EXPECT_EQ(e.menus.newsletterItem, "Newsletter1");
    EXPECT_EQ(e.menus.newsletterCaption, "&Newsletter");
    EXPECT_EQ(e.menus.helpMenu, "MenuHelp");
    EXPECT_EQ(e.menus.noticesCaption, "&Read Notices...");
    EXPECT_EQ(e.menus.aboutItem, "About");
    EXPECT_EQ(e.menus.aboutCaption, "&About PPL...");
    EXPECT_EQ(e.menus.aboutHint, "About PPL");
}

// The list file the program directory gets: Sound off on a first start, and choices for both lists that fit
// their fields.
TEST(ContactEdition, ShippedListFileFillsBothLists) {
    const Edition& e = contactEdition();
    const auto host = std::filesystem::path(ORUPIM_TEST_DATA) / ".." / ".." / "package" / e.listFile;
    ASSERT_TRUE(std::filesystem::exists(host));
    IniFile listFile(files::toDrive(std::filesystem::canonical(host)));
    EXPECT_EQ(listFile.readString("Settings", "Sound", "missing"), "0");
    for (const ListSection& list : e.lists) {
        SCOPED_TRACE(list.section);
        StringList entries;
        listFile.readSection(list.section, entries);
        EXPECT_GE(entries.count(), 5);
        int size = 0;
        for (const auto& def : e.layout->fields)
            if (def.name == e.control(list.control)->field)
                size = def.size;
        for (const std::string& entry : entries) {
            EXPECT_LE(static_cast<int>(entry.size()), size) << entry;
        }
    }
}

} // namespace
} // namespace orupim::editions
