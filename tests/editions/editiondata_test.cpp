// The software, audio and printed-media descriptions hold each edition's own values: constants, menu texts,
// the fields and captions of DBEdit1 to DBEdit12, the tab order on "Main", the lists, what Duplicate keeps
// and the record layout's field count.
#include "editions/audio/audioedition.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "editions/software/softwareedition.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace orupim::editions {
namespace {

using catalogue::Edition;
using Texts = std::vector<std::string>;

struct Expected {
    const Edition* edition;
    const char* deliverable;
    const char* table;
    const char* windowTitle;
    const char* applicationTitle;
    const char* printHeading;
    const char* keyReQuery;
    const char* noticesCaption;
    const char* aboutCaption;
    const char* aboutHint;
    bool looksUpBrowser;
    std::size_t fieldCount;
    Texts fields;    // of DBEdit1 to DBEdit12
    Texts captions;  // of Label1 to Label12
    Texts mainOrder; // the controls of "Main" in tab order
    Texts listSections;
    Texts duplicateKept;
    Texts duplicateWriteOrder;
};

Texts captions(const char* first, const char* fourth, const char* fifth) {
    return {first,      "Title :", "Publisher :", fourth,   fifth,    "Language :",
            "Format :", "Notes :", "Borrowed :",  "Lent :", "Date :", "From/to :"};
}

const Expected Editions[] = {
    {&softwareEdition(),
     "OruPRG",
     "prg",
     "Progdex 1.1",
     "OruPRG 1.1",
     "PRG Record",
     "select * from prg where Author = '%s' and Title = '%s'",
     "&Read Notices...",
     "&About PRG...",
     "About PRG",
     true,
     12,
     {"Author", "Title", "Publisher", "Code", "Category", "Language", "Format", "Notes", "Borrowed", "Lent",
      "Date", "Name"},
     captions("Author :", "Code :", "Category :"),
     {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit6", "DBEdit4", "DBEdit5", "DBEdit7"},
     {"Publisher", "Category", "Language", "Format"},
     {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit5", "DBEdit6", "DBEdit7"},
     {"Author", "Title", "Publisher", "Language", "Category", "Format"}},
    {&audioEdition(),
     "OruSND",
     "snd",
     "Sounddex 1.1",
     "OruSND 1.1",
     "SND Record",
     "select * from snd where Artist = '%s' and Title = '%s'",
     "&Read Notices...",
     "&About SND...",
     "About SND",
     true,
     13,
     {"Artist", "Title", "Publisher", "Code", "Category", "Language", "Format", "Notes", "Borrowed", "Lent",
      "Date", "Name"},
     captions("Artist :", "Code :", "Category :"),
     {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4", "DBEdit5", "DBEdit6", "DBEdit7"},
     {"Publisher", "Category", "Language", "Format"},
     {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit5", "DBEdit6"},
     {"Artist", "Title", "Publisher", "Category", "Language"}},
    {&printedMediaEdition(),
     "OruBKS",
     "bks",
     "Pagedex 1.1",
     "OruBKS 1.1",
     "BKS Record",
     "select * from bks where Author = '%s' and Title = '%s'",
     "Read Notices...",
     "&About BKS...",
     "About BKS",
     false,
     12,
     {"Author", "Title", "Publisher", "ISBN", "Subject", "Language", "Format", "Notes", "Borrowed", "Lent",
      "Date", "Name"},
     captions("Author :", "ISBN :", "Subject :"),
     {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit6", "DBEdit4", "DBEdit5", "DBEdit7"},
     {"Publisher", "Subject", "Language", "Format"},
     {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit5", "DBEdit6", "DBEdit7"},
     {"Author", "Title", "Publisher", "Language", "Subject", "Format"}},
};

void PrintTo(const Expected& x, std::ostream* os) {
    *os << x.deliverable;
}

class EditionValues : public ::testing::TestWithParam<Expected> {};

TEST_P(EditionValues, Constants) {
    const Expected& x = GetParam();
    const Edition& e = *x.edition;
    EXPECT_EQ(e.deliverable, x.deliverable);
    EXPECT_EQ(e.table, x.table);
    EXPECT_EQ(e.listFile, std::string("oru") + x.table + ".dat");
    EXPECT_EQ(e.windowTitle, x.windowTitle);
    EXPECT_EQ(e.applicationTitle, x.applicationTitle);
    EXPECT_EQ(e.printHeading, x.printHeading);
    EXPECT_EQ(e.keyReQueryFormat, x.keyReQuery);
    EXPECT_EQ(e.looksUpBrowser, x.looksUpBrowser);
    ASSERT_NE(e.layout, nullptr);
    EXPECT_EQ(e.layout->fields.size(), x.fieldCount);
}

TEST_P(EditionValues, MenuTexts) {
    const Expected& x = GetParam();
    const auto& m = x.edition->menus;
    EXPECT_EQ(m.newsletterItem, "Newsletter1");
    EXPECT_EQ(m.newsletterCaption, "&Newsletter");
    EXPECT_EQ(m.helpMenu, "MenuHelp");
    EXPECT_EQ(m.noticesCaption, x.noticesCaption);
    EXPECT_EQ(m.aboutItem, "About");
    EXPECT_EQ(m.aboutCaption, x.aboutCaption);
    EXPECT_EQ(m.aboutHint, x.aboutHint);
}

TEST_P(EditionValues, ControlsFieldsCaptionsAndPages) {
    const Expected& x = GetParam();
    const Edition& e = *x.edition;
    ASSERT_EQ(e.controls.size(), 12u);
    std::vector<std::string> pages;
    for (const auto& page : e.pages)
        pages.push_back(page.caption);
    EXPECT_EQ(pages, (Texts{"Main", "Notes", "Loans"}));
    Texts fields, captions, captionTable;
    for (const auto& control : e.controls) {
        fields.push_back(control.field);
        captions.push_back(e.label(control.label)->caption);
    }
    for (const auto& name : e.captionLabels)
        captionTable.push_back(e.label(name)->caption);
    EXPECT_EQ(fields, x.fields);
    EXPECT_EQ(captions, x.captions);
    EXPECT_EQ(captionTable, x.captions);
}

TEST_P(EditionValues, TabOrderOnMain) {
    const Expected& x = GetParam();
    Texts order(x.mainOrder.size());
    for (const auto& control : x.edition->controls)
        if (control.page == 0) {
            ASSERT_LT(static_cast<std::size_t>(control.tabOrder), order.size());
            order[static_cast<std::size_t>(control.tabOrder)] = control.name;
        }
    EXPECT_EQ(order, x.mainOrder);
}

TEST_P(EditionValues, ListsAndDuplicate) {
    const Expected& x = GetParam();
    const Edition& e = *x.edition;
    Texts sections;
    for (const auto& list : e.lists)
        sections.push_back(list.section);
    EXPECT_EQ(sections, x.listSections);
    EXPECT_EQ(e.duplicateKept, x.duplicateKept);
    EXPECT_EQ(e.duplicateWriteOrder, x.duplicateWriteOrder);
}

TEST_P(EditionValues, OnlyNotesAndBorrowedAreNotSearchable) {
    Texts notSearchable;
    for (const auto& control : GetParam().edition->controls)
        if (!control.searchable)
            notSearchable.push_back(control.field);
    EXPECT_EQ(notSearchable, (Texts{"Notes", "Borrowed"}));
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionValues, ::testing::ValuesIn(Editions),
                         [](const auto& info) { return std::string(info.param.deliverable); });

TEST(RecordLayouts, PrintedMediaRequiresAuthorTitleAndPublisherAndTakes80CharacterTitles) {
    Texts required;
    int titleSize = 0;
    for (const auto& field : printedMediaEdition().layout->fields) {
        if (field.required)
            required.push_back(field.name);
        if (field.name == "Title")
            titleSize = field.size;
    }
    EXPECT_EQ(required, (Texts{"Author", "Title", "Publisher"}));
    EXPECT_EQ(titleSize, 80);
}

} // namespace
} // namespace orupim::editions
